// The property pages: the commit-and-refresh protocol as the user meets it
// through the tree, the button pages, the advanced page and Insert Action.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <variant>

#include "OutlineFixture.h"
#include "core/Messages.h"
#include "groups/button/InsertActionDialog.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/ViewAdvanced.h"
#include "groups/button/ViewLeave.h"
#include "ui/ColorButton.h"
#include "ui/EditCommands.h"
#include "ui/IntSpinEdit.h"
#include "ui/KesView.h"
#include "ui/KesViewBlank.h"
#include "ui/ScriptEdit.h"

namespace {
enum Tab { kGeneral, kSize, kLink, kLeave };

// Answers the Insert Action dialog once it is open.
void AnswerInsertAction(int action, const QString& button, bool accept) {
  QTimer::singleShot(0, [=] {
    auto* dialog = qobject_cast<InsertActionDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    dialog->actionBox()->setCurrentIndex(action);
    dialog->targetBox()->setCurrentIndex(dialog->targetBox()->findText(button));
    auto* box = dialog->findChild<QDialogButtonBox*>();
    QTest::mouseClick(box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                      Qt::LeftButton);
  });
}

std::filesystem::path TempFile(const char* name) {
  return std::filesystem::temp_directory_path() /
         (std::string("velko-pages-") + std::to_string(::getpid()) + "-" + name);
}
}  // namespace

TEST_F(OutlineTest, ButtonPageShowsTheGroupInItsFourTabs) {
  Button(0)->tip = u8"Tip \u201Cquoted\u201D";
  Button(0)->mode = 2;
  Button(0)->show = 0;
  Click(Item(0));
  KfcViewTab* tabs = Tabs();
  ASSERT_TRUE(tabs);
  ASSERT_EQ(tabs->count(), 4);
  EXPECT_EQ(tabs->tabWidget()->tabText(kGeneral), "General");
  EXPECT_EQ(tabs->tabWidget()->tabText(kSize), "Size");
  EXPECT_EQ(tabs->tabWidget()->tabText(kLink), "Link");
  EXPECT_EQ(tabs->tabWidget()->tabText(kLeave), "Mouse Leave");
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(tabs->tabWidget()->tabIcon(i).isNull());
  EXPECT_EQ(Control<QLineEdit>(kGeneral, 2604)->text(), "Button 1");
  EXPECT_EQ(Control<QLineEdit>(kGeneral, 2612)->text(),
            QString::fromUtf8("Tip \u201Cquoted\u201D"));
  EXPECT_TRUE(Control<QToolButton>(kGeneral, 2603)->isChecked());
  EXPECT_FALSE(Control<QToolButton>(kGeneral, 2601)->isChecked());
  EXPECT_FALSE(Control<QCheckBox>(kGeneral, 2609)->isChecked());
  EXPECT_EQ(Control<QLineEdit>(kGeneral, 2604)->toolTip(), "Button Name");
  // Under the vertical layout the size edits are closed.
  EXPECT_FALSE(Control<IntSpinEdit>(kSize, 2701)->isEnabled());
  EXPECT_EQ(Control<IntSpinEdit>(kSize, 2704)->text(), "40");
}

TEST_F(OutlineTest, NothingChangedLeavesTheProjectUnmodified) {
  Button(0)->leaveScript = "A;\r\nB;\rC;";
  Button(0)->show = 5;  // any non-zero flag from a file
  Click(Item(0));
  Click(Item(0, 0, 4));
  Click(Item(0));
  Click(Item(0, 1));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(Button(0)->leaveScript, "A;\r\nB;\rC;");
  EXPECT_EQ(Button(0)->show, 5);

  // A real change marks it.
  Click(Item(0));
  Control<QCheckBox>(kGeneral, 2609)->setChecked(false);
  Click(Item(0, 1));
  EXPECT_EQ(Button(0)->show, 0);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(OutlineTest, SelectingTheSameItemAgainKeepsThePage) {
  Click(Item(0));
  QWidget* page = props->currentPage();
  Click(Item(0));
  EXPECT_EQ(props->currentPage(), page);
  EXPECT_TRUE(props->SetPropertyGroup(Button(0)));
  EXPECT_EQ(props->currentPage(), page);
}

TEST_F(OutlineTest, RenameReachesTheTreeLabel) {
  Click(Item(0));
  Type(Control<QLineEdit>(kGeneral, 2604), "Home");
  EXPECT_EQ(Text(Item(0)), "Button 1");
  Click(Item(0, 0));
  EXPECT_EQ(Button(0)->name, "Home");
  EXPECT_EQ(Text(Item(0)), "Home");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(OutlineTest, ADuplicateNameIsRefusedButKept) {
  tree->commands().OnNewButton();
  Click(Item(1));
  Type(Control<QLineEdit>(kGeneral, 2604), "button 1");
  Click(Item(0));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "Another button already has the name 'button 1'! Please choose a unique name for "
            "this button.");
  EXPECT_EQ(tree->currentIndex(), Item(1));
  EXPECT_EQ(props->currentGroup(), Button(1));
  EXPECT_EQ(Button(1)->name, "button 1");  // the group holds the rejected name
  EXPECT_EQ(QApplication::focusWidget(), Control<QLineEdit>(kGeneral, 2604));

  Type(Control<QLineEdit>(kGeneral, 2604), "");
  Click(Item(0));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, msg::kButtonNameEmpty);
  EXPECT_EQ(tree->currentIndex(), Item(1));

  Type(Control<QLineEdit>(kGeneral, 2604), "Contact");
  Click(Item(0));
  EXPECT_EQ(tree->currentIndex(), Item(0));
  EXPECT_EQ(Labels(), (std::vector<std::string>{"Button 1", "Contact"}));
}

TEST_F(OutlineTest, AnInvalidNumberKeepsTheOldItemSelected) {
  doc.project()->layout = 2;
  app.RefreshPages();  // the open project page shows it
  Click(Item(0));
  Tabs()->setCurrentIndex(kSize);
  IntSpinEdit* x = Control<IntSpinEdit>(kSize, 2701);
  ASSERT_TRUE(x->isEnabled());
  Tabs()->setCurrentIndex(kGeneral);
  Type(x, "12");
  Type(Control<IntSpinEdit>(kSize, 2702), "1x");
  Click(Item(0, 1));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Please enter an integer.");
  EXPECT_EQ(tree->currentIndex(), Item(0));
  EXPECT_TRUE(tree->selectionModel()->isSelected(Item(0)));
  EXPECT_EQ(Tabs()->currentIndex(), kSize);  // the bad edit is brought into view
  EXPECT_EQ(QApplication::focusWidget(), Control<IntSpinEdit>(kSize, 2702));
  EXPECT_EQ(Button(0)->x, 12);  // read before the bad one

  // Values outside the arrows' range are taken as typed.
  Type(Control<IntSpinEdit>(kSize, 2702), "5000");
  Click(Item(0, 1));
  EXPECT_EQ(tree->currentIndex(), Item(0, 1));
  EXPECT_EQ(Button(0)->y, 5000);
}

TEST_F(OutlineTest, AButtonPageOpensOnTheTabUsedLast) {
  tree->commands().OnNewButton();
  Click(Item(0));
  EXPECT_EQ(Tabs()->currentIndex(), kGeneral);
  Tabs()->setCurrentIndex(kLink);
  Click(Item(0, 2));
  Click(Item(1));
  ASSERT_TRUE(Tabs());
  EXPECT_EQ(Tabs()->currentIndex(), kLink);
  EXPECT_EQ(props->tabMemory().Get("TabButton"), kLink);
}

TEST_F(OutlineTest, NoSelectionShowsNoProperties) {
  Click(Item(0));
  tree->setCurrentIndex(QModelIndex());
  auto* blank = qobject_cast<KesViewBlank*>(props->currentPage());
  ASSERT_TRUE(blank);
  EXPECT_EQ(props->currentGroup(), nullptr);
  // The text is drawn in the middle of the page.
  const QImage image = blank->grab().toImage();
  const QColor background = blank->palette().color(QPalette::Window);
  int top = image.height(), bottom = -1, left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) != background) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_GE(bottom, 0);
  EXPECT_NEAR((top + bottom) / 2.0, image.height() / 2.0, 3);
  EXPECT_NEAR((left + right) / 2.0, image.width() / 2.0, 3);
}

TEST_F(OutlineTest, CopyInATextBoxCopiesTextNotTheItem) {
  Click(Item(0));
  QLineEdit* name = Control<QLineEdit>(kGeneral, 2604);
  name->setFocus();
  name->setSelection(0, 6);
  ASSERT_EQ(QApplication::focusWidget(), name);
  QGuiApplication::clipboard()->clear();
  EXPECT_TRUE(tree->IsEditCommandEnabled(kCmdEditCopy));
  tree->RunEditCommand(kCmdEditCopy);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Button");
  EXPECT_TRUE(platform.clipboardData.empty());
  EXPECT_EQ(app.lastCopiedClass, PropClass::None);

  name->setSelection(0, 8);
  QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Button 1");
  EXPECT_TRUE(platform.clipboardData.empty());

  // Undo and Paste reach the box too; with no selection Copy is off.
  name->deselect();
  EXPECT_FALSE(tree->IsEditCommandEnabled(kCmdEditCopy));
  name->end(false);
  QTest::keyClicks(name, "0");
  EXPECT_TRUE(tree->IsEditCommandEnabled(kCmdEditUndo));
  tree->RunEditCommand(kCmdEditUndo);
  EXPECT_EQ(name->text(), "Button 1");

  // From the tree, Copy copies the item.
  tree->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), tree);
  EXPECT_TRUE(tree->IsEditCommandEnabled(kCmdEditCopy));
  tree->RunEditCommand(kCmdEditCopy);
  EXPECT_EQ(app.lastCopiedClass, PropClass::Button);
}

TEST_F(OutlineTest, LinkPageKeepsAHistoryOfAddresses) {
  Click(Item(0));
  Tabs()->setCurrentIndex(kLink);
  auto* url = Control<QComboBox>(kLink, 2801);
  auto* target = Control<QComboBox>(kLink, 2802);
  ASSERT_EQ(target->count(), 4);
  EXPECT_EQ(target->itemText(0), "_blank");
  EXPECT_EQ(target->itemText(3), "_top");
  EXPECT_EQ(url->count(), 2);  // the maker's addresses
  const std::size_t before = app.linkHistory.size();

  Type(url, "http://example.org/a.html");
  Type(target, "_top");
  Type(Control<QLineEdit>(kLink, 2803), "Go to A");
  Click(Item(0, 0));
  EXPECT_EQ(Button(0)->url, "http://example.org/a.html");
  EXPECT_EQ(Button(0)->target, "_top");
  EXPECT_EQ(Button(0)->status, "Go to A");
  ASSERT_EQ(app.linkHistory.size(), before + 1);
  EXPECT_EQ(app.linkHistory.front(), "http://example.org/a.html");

  // The same address again is not added; the box lists the history sorted.
  Click(Item(0));
  Click(Item(0, 0));
  EXPECT_EQ(app.linkHistory.size(), before + 1);
  Click(Item(0));
  url = Control<QComboBox>(kLink, 2801);
  ASSERT_EQ(url->count(), 3);
  EXPECT_EQ(url->itemText(0), "http://example.org/a.html");
  EXPECT_EQ(url->currentText(), "http://example.org/a.html");
}

TEST_F(OutlineTest, InsertActionAppendsOneUndoableLine) {
  Button(0)->name = "Menu";
  tree->commands().OnNewButton();
  Click(Item(0, 1, 4));  // Button "Menu", Over, Advanced
  auto* page = qobject_cast<ViewAdvanced*>(props->currentPage());
  ASSERT_TRUE(page);
  ScriptEdit* edit = page->scriptEdit();
  edit->setFocus();
  QTest::keyClicks(edit, "Hide;");
  edit->moveCursor(QTextCursor::Start);  // the caret elsewhere

  AnswerInsertAction(3, "Menu", true);
  QTest::mouseClick(page->addActionButton(), Qt::LeftButton);
  EXPECT_EQ(edit->toPlainText(), "Hide;StateSet 'Menu' 1;\n");
  Click(Item(0, 1));
  PropAdvanced& advanced = *Button(0)->overState->advanced;
  EXPECT_EQ(advanced.script, "Hide;StateSet 'Menu' 1;\r\n");

  Click(Item(0, 1, 4));
  edit = qobject_cast<ViewAdvanced*>(props->currentPage())->scriptEdit();
  AnswerInsertAction(0, "Button 2", true);
  QTest::mouseClick(qobject_cast<ViewAdvanced*>(props->currentPage())->addActionButton(),
                    Qt::LeftButton);
  EXPECT_EQ(edit->toPlainText(), "Hide;StateSet 'Menu' 1;\nPropSet 'Button 2' Show=False;\n");
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(edit->toPlainText(), "Hide;StateSet 'Menu' 1;\n");

  // Cancel changes nothing.
  AnswerInsertAction(4, "Menu", false);
  QTest::mouseClick(qobject_cast<ViewAdvanced*>(props->currentPage())->addActionButton(),
                    Qt::LeftButton);
  EXPECT_EQ(edit->toPlainText(), "Hide;StateSet 'Menu' 1;\n");
}

TEST_F(OutlineTest, InsertActionListsTheButtonsInTreeOrder) {
  tree->commands().OnNewButton();
  Click(Item(1));
  tree->commands().OnMoveUp();
  InsertActionDialog dialog(doc);
  EXPECT_EQ(dialog.windowTitle(), "Insert Action");
  ASSERT_EQ(dialog.actionBox()->count(), 5);
  EXPECT_EQ(dialog.actionBox()->currentText(), "Hide");
  ASSERT_EQ(dialog.targetBox()->count(), 2);
  EXPECT_EQ(dialog.targetBox()->itemText(0), "Button 2");
  EXPECT_EQ(dialog.targetBox()->currentIndex(), 0);
  EXPECT_EQ(dialog.Line(), "PropSet 'Button 2' Show=False;\r\n");
  dialog.targetBox()->setCurrentIndex(1);
  dialog.actionBox()->setCurrentIndex(1);
  EXPECT_EQ(dialog.Line(), "PropSet 'Button 1' Show=True;\r\n");
}

TEST_F(OutlineTest, LeavePageAddsActionsToTheLeaveScript) {
  Click(Item(0));
  Tabs()->setCurrentIndex(kLeave);
  auto* leave = qobject_cast<ViewLeave*>(Tabs()->page(kLeave));
  ASSERT_TRUE(leave);
  AnswerInsertAction(2, "Button 1", true);
  QTest::mouseClick(leave->addActionButton(), Qt::LeftButton);
  Click(Item(0, 0));
  EXPECT_EQ(Button(0)->leaveScript, "StateSet 'Button 1' 0;\r\n");
}

TEST_F(OutlineTest, ARefusedSaveWritesNothing) {
  const auto path = TempFile("refused.but");
  std::filesystem::remove(path);
  tree->commands().OnNewButton();
  Click(Item(1));
  Type(Control<QLineEdit>(kGeneral, 2604), "BUTTON 1");
  EXPECT_FALSE(doc.DoSave(path.string()));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(OutlineTest, EditsSurviveSaveAndReopenAndReachThePage) {
  doc.project()->tokenize = 0;
  app.RefreshPages();  // the open project page shows it
  tree->commands().OnNewButton();
  Click(Item(0));
  Type(Control<QLineEdit>(kGeneral, 2604), "Home");
  QTest::mouseClick(Control<QToolButton>(kGeneral, 2602), Qt::LeftButton);
  Type(Control<QLineEdit>(kGeneral, 2612), "Back to the start");
  Control<QCheckBox>(kGeneral, 2610)->setChecked(true);
  Tabs()->setCurrentIndex(kLink);
  Type(Control<QComboBox>(kLink, 2801), "index.html");
  Type(Control<QLineEdit>(kLink, 2803), "Start page");
  Tabs()->setCurrentIndex(kLeave);
  auto* leave = qobject_cast<ViewLeave*>(Tabs()->page(kLeave));
  leave->scriptEdit()->setFocus();
  QTest::keyClicks(leave->scriptEdit(), "A;");
  QTest::keyClick(leave->scriptEdit(), Qt::Key_Return);
  QTest::keyClicks(leave->scriptEdit(), "B;");
  Click(Item(0, 2, 4));
  auto* advanced = qobject_cast<ViewAdvanced*>(props->currentPage());
  advanced->scriptEdit()->setFocus();
  QTest::keyClicks(advanced->scriptEdit(), "PropSet 'Button 2' Show=True;");
  Click(Item(1));
  tree->commands().OnMoveUp();

  const auto path = TempFile("roundtrip.but");
  ASSERT_TRUE(doc.DoSave(path.string()));
  EXPECT_FALSE(doc.IsModified());

  TestPlatform platform2;
  KesApp app2(platform2);
  Doc doc2(app2);
  app2.setCurrentDoc(&doc2);
  ASSERT_TRUE(doc2.OnOpenDocument(path.string()));
  std::filesystem::remove(path);
  ASSERT_EQ(doc2.ButtonCount(), 2u);
  const PropButton& b2 = *doc2.buttons()[0];
  const PropButton& home = *doc2.buttons()[1];
  EXPECT_EQ(b2.name, "Button 2");
  EXPECT_EQ(home.name, "Home");
  EXPECT_EQ(home.mode, 1);
  EXPECT_EQ(home.tip, "Back to the start");
  EXPECT_EQ(home.drag, 1);
  EXPECT_EQ(home.url, "index.html");
  EXPECT_EQ(home.status, "Start page");
  EXPECT_EQ(home.leaveScript, "A;\r\nB;");
  EXPECT_EQ(home.downState->advanced->script, "PropSet 'Button 2' Show=True;");

  const std::string html = doc2.BuildHtml(PageMode::Page);
  EXPECT_NE(html.find("Button 'Home' "), std::string::npos);
  EXPECT_NE(html.find("Mode=Check "), std::string::npos);
  EXPECT_NE(html.find("Tip='Back to the start' "), std::string::npos);
  EXPECT_NE(html.find("Internet 'index.html' _self; "), std::string::npos);
  EXPECT_NE(html.find("Output 0 'Start page'; "), std::string::npos);
  EXPECT_NE(html.find("PropSet 'Button 2' Show=True;"), std::string::npos);
  EXPECT_NE(html.find("Set 'Home.Leave'={A;  B;}; "), std::string::npos);
  EXPECT_LT(html.find("Button 'Button 2' "), html.find("Button 'Home' "));
}

TEST_F(OutlineTest, PageControlsAskForHelpByTheirIds) {
  Click(Item(0));
  QLineEdit* tip = Control<QLineEdit>(kGeneral, 2612);
  app.helpCalls.clear();
  tip->setFocus();
  ASSERT_FALSE(app.helpCalls.empty());
  EXPECT_EQ(app.helpCalls.back().id, 2612);

  const QPoint pos = tip->rect().center();
  QHelpEvent help(QEvent::ToolTip, pos, tip->mapToGlobal(pos));
  app.helpCalls.clear();
  QApplication::sendEvent(tip, &help);
  ASSERT_EQ(app.helpCalls.size(), 1u);
  EXPECT_EQ(app.helpCalls[0].id, 2612);
  EXPECT_TRUE(app.helpCalls[0].tooltip);
  EXPECT_TRUE(app.helpCalls[0].follow);

  app.pageHelpId = 0;
  QTest::keyClick(tip, Qt::Key_F1);
  EXPECT_EQ(app.pageHelpId, 2600);
}

TEST_F(OutlineTest, DeletingAButtonWhosePageRefusesDropsThePage) {
  tree->commands().OnNewButton();
  Click(Item(1));
  Type(Control<QLineEdit>(kGeneral, 2604), "");
  tree->commands().OnDeleteButton();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Button 1"}));
  EXPECT_EQ(tree->currentIndex(), Item(0));
  EXPECT_EQ(props->currentGroup(), Button(0));
  // The page shown now edits a live button.
  Click(Item(0, 0));
  EXPECT_EQ(tree->currentIndex(), Item(0, 0));
}

namespace {
// Changes what `c` shows as the user would, to a value unlike `now` (the
// field's value): more text, the next integer or entry, the other colour, the
// box toggled, another button of a row pressed.
void ChangeControl(const std::vector<QWidget*>& controls, const FieldValue& now) {
  QWidget* c = controls.front();
  const auto* number = std::get_if<int32_t>(&now);
  if (auto* color = qobject_cast<ColorButton*>(c)) {
    color->choose(color->color() ^ 0x808080u);
  } else if (controls.size() > 1) {
    for (QWidget* w : controls)
      if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->isChecked())
        return button->click();
  } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
    button->click();
  } else if (auto* spin = qobject_cast<IntSpinEdit*>(c)) {
    spin->setText(QString::number(*number + 1));
  } else if (auto* list = qobject_cast<QComboBox*>(c); list && !list->isEditable()) {
    list->setCurrentIndex((list->currentIndex() + 1) % list->count());
  } else if (list) {
    list->setEditText(number ? QString::number(*number + 1) : list->currentText() + "y");
  } else if (auto* edit = qobject_cast<QLineEdit*>(c)) {
    edit->setText(edit->text() + "y");
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(c)) {
    text->setPlainText(text->toPlainText() + "y");
  }
}
}  // namespace

// Every page's table, for every page kind: each binding's controls show its
// field, and a change made through them is one step that sets that field (and
// only what the layout or the automatic border colours derive from it).
TEST_F(OutlineTest, EveryPageShowsAndStoresTheFieldsItsTableBinds) {
  doc.project()->layout = 2;  // the Size page's edits open
  Button(0)->overState->border->automatic = 0;
  const std::map<std::string_view, std::set<std::string_view>> derived = {
      {"layout", {"projectWidth", "projectHeight"}},
      {"automatic", {"topColor", "midColor", "botColor"}}};
  int pagesSeen = 0;
  for (const QModelIndex& item : {Root(), Item(0), Item(0, 1), Item(0, 1, 0), Item(0, 1, 1),
                                  Item(0, 1, 2), Item(0, 1, 3), Item(0, 1, 4)}) {
    Click(item);
    std::vector<KesView*> pages;
    if (KfcViewTab* tabs = Tabs())
      for (int i = 0; i < tabs->count(); ++i)
        pages.push_back(qobject_cast<KesView*>(tabs->page(i)));
    else
      pages.push_back(qobject_cast<KesView*>(props->currentPage()));
    for (KesView* page : pages) {
      ASSERT_TRUE(page);
      ASSERT_FALSE(page->bindings().empty()) << page->objectName().toStdString();
      ++pagesSeen;
      KesProp& group = *page->group();
      const GroupPath path = doc.PathOf(&group);
      const std::vector<std::string_view> names = FieldNames(group);
      for (const FieldBinding& b : page->bindings()) {
        if (b.controls.empty()) continue;
        const std::string where =
            page->objectName().toStdString() + " " + std::string(names[b.field]);
        const std::vector<FieldValue> before = FieldValues(group);
        // Shown: a value set by the document reads back from the controls.
        FieldValue other = std::visit(
            [](auto v) -> FieldValue {
              if constexpr (std::is_same_v<decltype(v), std::string>)
                return v + "x";
              else if constexpr (std::is_same_v<decltype(v), uint32_t>)
                return v ^ 0x404040u;
              else
                return int32_t(v == 0 ? 1 : 0);
            },
            before[b.field]);
        ASSERT_TRUE(
            doc.ApplyEdits({{path, {{b.field, before[b.field], other}}}}, "Set", nullptr, false));
        // One step of the page takes the place of "Set", undone below.
        const std::size_t steps = doc.history().size();
        FieldValue read = before[b.field];
        EXPECT_TRUE(b.read(read)) << where;
        EXPECT_TRUE(read == other) << where;
        doc.Undo();
        // Stored: one step, setting this field.
        ChangeControl(b.controls, before[b.field]);
        EXPECT_TRUE(app.CommitPages()) << where;
        EXPECT_EQ(doc.history().size(), steps) << where;
        EXPECT_FALSE(doc.history().CanRedo()) << where;
        const std::vector<FieldValue> after = FieldValues(group);
        EXPECT_FALSE(after[b.field] == before[b.field]) << where;
        for (std::size_t f = 0; f < after.size(); ++f)
          if (f != b.field && !(after[f] == before[f])) {
            const auto it = derived.find(names[b.field]);
            EXPECT_TRUE(it != derived.end() && it->second.count(names[f]))
                << where << " " << names[f];
          }
        doc.Undo();
      }
    }
  }
  EXPECT_EQ(pagesSeen, 16);
}
