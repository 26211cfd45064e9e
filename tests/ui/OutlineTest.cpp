// The outline tree: its shape, the Buttons commands, the clipboard commands
// and the selection's conversation with the Properties window.
#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QDockWidget>
#include <QHelpEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <functional>

#include "MainWindowParts.h"
#include "OutlineFixture.h"
#include "QuietApp.h"
#include "core/Archive.h"
#include "core/Messages.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropText.h"
#include "groups/project/TabProject.h"
#include "ui/App.h"
#include "ui/ColorButton.h"
#include "ui/CommandIds.h"
#include "ui/EditCommands.h"
#include "ui/KesViewBlank.h"
#include "ui/OutlineModel.h"

namespace {
const char* kFmt = KesApp::kGroupClipboardFormat;

// The bytes of `doc` as a project file with its one button repeated `count`
// times, each with a name of its own.
std::string RepeatedButtonProject(Doc& doc, int count) {
  Archive ar;
  doc.Serialize(ar);
  const std::string one = ar.TakeBytes();
  PropButton& button = *doc.ButtonPointers().at(0);
  constexpr std::size_t kCountBytes = 4;
  std::string bytes = one.substr(0, one.size() - Doc::CopyGroup(button).size() - kCountBytes);
  Archive countAr;
  countAr.WriteInt(count);
  bytes += countAr.Bytes();
  for (int i = 0; i < count; ++i) {
    button.name = "Button " + std::to_string(i + 1);
    bytes += Doc::CopyGroup(button);
  }
  return bytes;
}
}  // namespace

TEST_F(OutlineTest, MirrorsTheProjectWithRootSelectedAndButtonsExpanded) {
  ASSERT_EQ(tree->model()->rowCount(), 1);
  EXPECT_EQ(Text(Root()), "Project");
  EXPECT_TRUE(tree->isExpanded(Root()));
  EXPECT_EQ(tree->currentIndex(), Root());
  ASSERT_EQ(Rows(Root()), 1);
  EXPECT_EQ(Text(Item(0)), "Button 1");
  EXPECT_TRUE(tree->isExpanded(Item(0)));
  const char* states[] = {"Up", "Over", "Down"};
  const char* groups[] = {"Text", "Border", "Audio", "Image", "Advanced"};
  for (int s = 0; s < 3; ++s) {
    EXPECT_EQ(Text(Item(0, s)), states[s]);
    ASSERT_EQ(Rows(Item(0, s)), 5);
    for (int g = 0; g < 5; ++g) {
      EXPECT_EQ(Text(Item(0, s, g)), groups[g]);
      EXPECT_FALSE(Icon(Item(0, s, g)).isNull());
    }
  }
  EXPECT_EQ(ViewOutline::GroupOf(Item(0, 1)), Button(0)->overState.get());
  EXPECT_EQ(ViewOutline::GroupOf(Item(0, 2, 4)), Button(0)->downState->advanced.get());
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(OutlineTest, WithOneButtonDeleteIsDisabledButCutRemovesIt) {
  Click(Item(0));
  EXPECT_FALSE(tree->commands().CanDeleteButton());
  tree->commands().OnDeleteButton();
  EXPECT_EQ(doc.ButtonCount(), 1u);
  EXPECT_FALSE(doc.IsModified());

  ASSERT_TRUE(tree->commands().CanCut());
  tree->commands().OnCut();
  EXPECT_EQ(doc.ButtonCount(), 0u);
  EXPECT_EQ(Rows(Root()), 0);
  EXPECT_EQ(tree->currentIndex(), Root());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(app.lastCopiedClass, PropClass::Button);
  EXPECT_TRUE(platform.ClipboardHasData(kFmt));

  // New with the project selected adds the button at the end.
  tree->commands().OnNewButton();
  ASSERT_EQ(doc.ButtonCount(), 1u);
  EXPECT_EQ(Labels(), Names());
  EXPECT_EQ(tree->currentIndex(), Item(0));
}

TEST_F(OutlineTest, NewGoesAfterTheButtonHoldingTheSelectionOrLast) {
  tree->commands().OnNewButton();  // project selected: last
  tree->commands().OnNewButton();  // "Button 2" selected: after it
  EXPECT_EQ(Names(), (std::vector<std::string>{"Button 1", "Button 2", "Button 3"}));
  Click(Item(0, 1, 2));  // the Over state's audio group of Button 1
  tree->commands().OnNewButton();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Button 1", "Button 4", "Button 2", "Button 3"}));
  EXPECT_EQ(Labels(), Names());
  EXPECT_EQ(tree->currentIndex(), Item(1));
  EXPECT_EQ(props->currentGroup(), Button(1));
  EXPECT_TRUE(tree->isExpanded(Item(1)));
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(OutlineTest, DeleteSelectsTheNextElseThePreviousButton) {
  tree->commands().OnNewButton();
  tree->commands().OnNewButton();
  Click(Item(1));
  ASSERT_TRUE(tree->commands().CanDeleteButton());
  tree->commands().OnDeleteButton();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Button 1", "Button 3"}));
  EXPECT_EQ(tree->currentIndex(), Item(1));
  tree->commands().OnDeleteButton();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Button 1"}));
  EXPECT_EQ(tree->currentIndex(), Item(0));
  EXPECT_EQ(props->currentGroup(), Button(0));
  EXPECT_EQ(Labels(), Names());
}

TEST_F(OutlineTest, MoveUpAndDownFollowTheEnds) {
  tree->commands().OnNewButton();
  tree->commands().OnNewButton();
  doc.SetModifiedFlag(false);
  Click(Item(0));
  EXPECT_FALSE(tree->commands().CanMoveUp());
  EXPECT_TRUE(tree->commands().CanMoveDown());
  Click(Item(1));
  ASSERT_TRUE(tree->commands().CanMoveUp());
  tree->commands().OnMoveUp();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Button 2", "Button 1", "Button 3"}));
  EXPECT_EQ(Labels(), Names());
  EXPECT_EQ(tree->currentIndex(), Item(0));
  EXPECT_EQ(props->currentGroup(), Button(0));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(Rows(Item(0)), 3);
  EXPECT_EQ(ViewOutline::GroupOf(Item(0, 2)), Button(0)->downState.get());
  // The layout places the buttons in their new order.
  EXPECT_LT(Button(0)->y, Button(1)->y);

  Click(Item(2));
  EXPECT_FALSE(tree->commands().CanMoveDown());
  Click(Item(1, 0));  // a state: no moving
  EXPECT_FALSE(tree->commands().CanMoveUp());
  EXPECT_FALSE(tree->commands().CanMoveDown());
  EXPECT_FALSE(tree->commands().CanDuplicate());
  EXPECT_FALSE(tree->commands().CanCut());
  EXPECT_TRUE(tree->commands().CanCopy());
}

TEST_F(OutlineTest, PasteOfOverOnAnotherButtonsDownKeepsItsLabel) {
  tree->commands().OnNewButton();
  PropState* over = Button(0)->overState.get();
  over->color = 0x123456;
  over->cursor = 7;
  over->text->text = "Hovered";
  doc.SetModifiedFlag(false);

  Click(Item(0, 1));
  tree->commands().OnCopy();
  EXPECT_EQ(app.lastCopiedClass, PropClass::State);
  EXPECT_EQ(platform.clipboardData.at(kFmt), Doc::CopyGroup(*over));

  Click(Item(1, 2));
  ASSERT_TRUE(tree->commands().CanPaste());
  tree->commands().OnPaste();
  PropState* down = Button(1)->downState.get();
  EXPECT_EQ(down->name, "Down");
  EXPECT_EQ(Text(Item(1, 2)), "Down");
  EXPECT_EQ(down->color, 0x123456u);
  EXPECT_EQ(down->cursor, 7);
  EXPECT_EQ(down->text->text, "Hovered");
  EXPECT_TRUE(doc.IsModified());
  // Only the selected state changed.
  EXPECT_EQ(Button(1)->overState->color, 0xC0C0C0u);
}

TEST_F(OutlineTest, PasteIsDisabledOnAnotherClassAndIgnoresBadBytes) {
  Click(Item(0, 1));
  tree->commands().OnCopy();
  Click(Item(0, 1, 0));  // a text group
  EXPECT_FALSE(tree->commands().CanPaste());
  Click(Item(0));
  EXPECT_FALSE(tree->commands().CanPaste());

  // Bytes from elsewhere that do not read as a state change nothing.
  Click(Item(0, 2));
  platform.clipboardData[kFmt] = std::string("\x03", 1);
  const std::string before = Doc::CopyGroup(*Button(0)->downState);
  doc.SetModifiedFlag(false);
  ASSERT_TRUE(tree->commands().CanPaste());
  tree->commands().OnPaste();
  EXPECT_EQ(Doc::CopyGroup(*Button(0)->downState), before);
  EXPECT_FALSE(doc.IsModified());

  // No data on the clipboard: no Paste.
  platform.clipboardData.clear();
  EXPECT_FALSE(tree->commands().CanPaste());
}

TEST_F(OutlineTest, DuplicateAddsACopyLastWithANewName) {
  tree->commands().OnNewButton();
  Button(0)->tip = "Home page";
  Button(0)->url = "index.html";
  Button(0)->overState->color = 0xFF;
  Click(Item(0));
  ASSERT_TRUE(tree->commands().CanDuplicate());
  tree->commands().OnDuplicate();
  ASSERT_EQ(doc.ButtonCount(), 3u);
  PropButton* copy = Button(2);
  EXPECT_EQ(copy->name, "Button 3");
  EXPECT_EQ(Text(Item(2)), "Button 3");
  EXPECT_EQ(copy->tip, "Home page");
  EXPECT_EQ(copy->url, "index.html");
  EXPECT_EQ(copy->overState->color, 0xFFu);
  EXPECT_EQ(copy->overState->name, "Over");
  EXPECT_EQ(tree->currentIndex(), Item(2));
  EXPECT_EQ(props->currentGroup(), copy);
  // The vertical layout still places it below the others.
  EXPECT_GT(copy->y, Button(1)->y);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(OutlineTest, CutKeepsTheButtonWhenTheClipboardFails) {
  tree->commands().OnNewButton();
  platform.clipboardWorks = false;
  tree->commands().OnCut();
  EXPECT_EQ(doc.ButtonCount(), 2u);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::kClipboardFailed);
}

TEST_F(OutlineTest, ResetBlanksThePageAndRebuildSelectsTheRoot) {
  Click(Item(0, 0, 4));
  ASSERT_NE(props->currentGroup(), nullptr);
  tree->commands().OnNewButton();
  doc.OnNewDocument();
  EXPECT_EQ(Rows(Root()), 1);
  EXPECT_EQ(tree->currentIndex(), Root());
  EXPECT_EQ(props->currentGroup(), doc.project());
  EXPECT_TRUE(qobject_cast<TabProject*>(props->currentPage()));
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(OutlineTest, TooltipsAndPromptsComeFromTheGroupsPage) {
  Click(Item(0, 1, 3));
  app.helpCalls.clear();
  const QPoint pos = tree->visualRect(Item(0, 1, 3)).center();
  QHelpEvent help(QEvent::ToolTip, pos, tree->viewport()->mapToGlobal(pos));
  QApplication::sendEvent(tree->viewport(), &help);
  ASSERT_EQ(app.helpCalls.size(), 1u);
  EXPECT_EQ(app.helpCalls[0].id, 2500);  // the image page
  EXPECT_TRUE(app.helpCalls[0].tooltip);
  EXPECT_TRUE(app.helpCalls[0].follow);

  int cleared = 0;
  QObject::connect(tree, &ViewOutline::statusPromptCleared, [&] { ++cleared; });
  const QPoint empty(5, tree->viewport()->height() - 3);
  ASSERT_EQ(tree->indexAt(empty), QModelIndex());
  QHelpEvent none(QEvent::ToolTip, empty, tree->viewport()->mapToGlobal(empty));
  QApplication::sendEvent(tree->viewport(), &none);
  EXPECT_EQ(cleared, 1);
  EXPECT_EQ(app.helpCalls.size(), 1u);
}

TEST_F(OutlineTest, KeysOnTheTreeCopyAndPasteItsGroups) {
  // Set before its page opens: the page hands back what it shows.
  Button(0)->upState->text->text = "Go";
  Click(Item(0, 0, 0));
  QTest::keyClick(tree, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(app.lastCopiedClass, PropClass::Text);
  Click(Item(0, 2, 0));
  QTest::keyClick(tree, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Button(0)->downState->text->text, "Go");
  EXPECT_EQ(Text(Item(0, 2, 0)), "Text");

  // The Insert and Delete forms.
  Button(0)->overState->text->text = "Over";
  Click(Item(0, 1, 0));
  QTest::keyClick(tree, Qt::Key_Insert, Qt::ControlModifier);
  Click(Item(0, 0, 0));
  QTest::keyClick(tree, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Button(0)->upState->text->text, "Over");
  tree->commands().OnNewButton();
  Click(Item(1));
  QTest::keyClick(tree, Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(doc.ButtonCount(), 1u);
  EXPECT_EQ(app.lastCopiedClass, PropClass::Button);
}

TEST_F(OutlineTest, AnOpenedLargeProjectHasEveryItemWithItsGroupLabelAndIcon) {
  const int kButtons = 300;
  for (int i = 1; i < kButtons; ++i) doc.InsertButton(doc.CreateButton());
  Button(7)->overState->name = "Hover";  // a state name read from a file
  doc.UpdateAllViews(kHintReset);
  doc.UpdateAllViews(kHintFilled);  // as after Open

  ASSERT_EQ(Rows(Root()), kButtons);
  EXPECT_EQ(Labels(), Names());
  EXPECT_EQ(tree->currentIndex(), Root());
  const char* groups[] = {"Text", "Border", "Audio", "Image", "Advanced"};
  for (int b = 0; b < kButtons; b += 37) {
    EXPECT_TRUE(tree->isExpanded(Item(b)));
    EXPECT_EQ(ViewOutline::GroupOf(Item(b)), Button(b));
    ASSERT_EQ(Rows(Item(b)), 3);
    for (int s = 0; s < 3; ++s) {
      PropState* state = Button(b)->state(s);
      EXPECT_EQ(Text(Item(b, s)).toStdString(), state->name);
      EXPECT_FALSE(Icon(Item(b, s)).isNull());
      ASSERT_EQ(Rows(Item(b, s)), 5);
      for (int g = 0; g < 5; ++g) EXPECT_EQ(Text(Item(b, s, g)), groups[g]);
    }
  }
  EXPECT_EQ(Text(Item(7, 1)), "Hover");
  EXPECT_EQ(Text(Item(7, 2)), "Down");

  // A group deep in the tree is found and its page shown.
  PropBorder* border = Button(250)->downState->border.get();
  ASSERT_TRUE(tree->SelectGroup(border));
  EXPECT_EQ(tree->currentIndex(), Item(250, 2, 1));
  EXPECT_EQ(props->currentGroup(), border);
  EXPECT_EQ(tree->IndexOf(Button(299)->upState->advanced.get()), Item(299, 0, 4));

  // A rename reaches the label at once, as the page stores it; a pasted
  // button's states bring their labels along.
  Rename(Button(3), "Renamed");
  EXPECT_EQ(Text(Item(3)), "Renamed");
  Button(0)->upState->name = "First";
  ASSERT_TRUE(tree->SelectGroup(Button(1)));
  app.lastCopiedClass = PropClass::Button;
  platform.SetClipboardData(kFmt, Doc::CopyGroup(*Button(0)));
  tree->commands().OnPaste();
  EXPECT_EQ(Text(Item(1, 0)), "First");
}

TEST_F(OutlineTest, InAVeryLargeProjectAStatesGroupsAppearWhenItIsOpened) {
  const int kButtons = 520;
  for (int i = 1; i < kButtons; ++i) doc.InsertButton(doc.CreateButton());
  doc.UpdateAllViews(kHintReset);
  doc.UpdateAllViews(kHintFilled);
  ASSERT_EQ(Rows(Root()), kButtons);
  ASSERT_EQ(Rows(Item(10)), 3);
  EXPECT_TRUE(tree->isExpanded(Item(10)));
  // A closed state shows that it can be opened; opening it shows its groups.
  EXPECT_FALSE(tree->isExpanded(Item(10, 1)));
  EXPECT_TRUE(tree->model()->hasChildren(Item(10, 1)));
  tree->setExpanded(Item(10, 1), true);
  ASSERT_EQ(Rows(Item(10, 1)), 5);
  EXPECT_EQ(Text(Item(10, 1, 3)), "Image");
  EXPECT_FALSE(Icon(Item(10, 1, 3)).isNull());
  EXPECT_EQ(ViewOutline::GroupOf(Item(10, 1, 3)), Button(10)->overState->image.get());
  tree->setExpanded(Item(10, 1), false);
  tree->setExpanded(Item(10, 1), true);
  EXPECT_EQ(Rows(Item(10, 1)), 5);

  // Selecting a group of a closed state finds it, and its page shows.
  PropAdvanced* advanced = Button(400)->downState->advanced.get();
  ASSERT_TRUE(tree->SelectGroup(advanced));
  EXPECT_EQ(tree->currentIndex(), Item(400, 2, 4));
  EXPECT_EQ(props->currentGroup(), advanced);
  Click(Item(400, 2, 1));
  EXPECT_EQ(props->currentGroup(), Button(400)->downState->border.get());

  // The Buttons commands keep working on buttons whose states are closed.
  Click(Item(400));
  tree->commands().OnMoveUp();
  EXPECT_EQ(Button(399)->downState->advanced.get(), advanced);
  EXPECT_EQ(ViewOutline::GroupOf(Item(399, 2, 4)), advanced);
  tree->commands().OnDuplicate();
  ASSERT_EQ(doc.ButtonCount(), static_cast<std::size_t>(kButtons + 1));
  EXPECT_EQ(Labels(), Names());
  ASSERT_TRUE(tree->SelectGroup(Button(kButtons)->overState->text.get()));
  EXPECT_EQ(tree->currentIndex(), Item(kButtons, 1, 0));
}

TEST_F(OutlineTest, AnOpenedProjectOfTwentyThousandButtonsShowsThemAllOpen) {
  constexpr int kButtons = 20000;
  ASSERT_TRUE(doc.OpenFromBytes(RepeatedButtonProject(doc, kButtons), "large.but"));
  ASSERT_EQ(Rows(Root()), kButtons);
  EXPECT_EQ(tree->currentIndex(), Root());
  EXPECT_EQ(props->currentGroup(), doc.project());

  // Every button is open with its three states closed below it, in button
  // order.
  QAbstractItemModel* model = tree->model();
  const QModelIndex root = model->index(0, 0);
  ASSERT_TRUE(tree->isExpanded(root));
  int open = 0;
  for (int b = 0; b < kButtons; ++b) open += tree->isExpanded(model->index(b, 0, root)) ? 1 : 0;
  EXPECT_EQ(open, kButtons);
  std::vector<KesProp*> rows;
  for (QModelIndex row = tree->indexBelow(root); row.isValid(); row = tree->indexBelow(row))
    rows.push_back(ViewOutline::GroupOf(row));
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kButtons) * 4);
  for (int b : {0, 1, 14999, kButtons - 1}) {
    const std::size_t at = static_cast<std::size_t>(b) * 4;
    EXPECT_EQ(rows[at], Button(b));
    EXPECT_EQ(rows[at + 1], Button(b)->upState.get());
    EXPECT_EQ(rows[at + 3], Button(b)->downState.get());
  }

  // A group deep in the tree: found, selected and its page shown; a click on
  // another group of the same state moves the page there.
  PropImage* image = Button(15000)->overState->image.get();
  ASSERT_TRUE(tree->SelectGroup(image));
  EXPECT_EQ(tree->currentIndex(), Item(15000, 1, 3));
  EXPECT_EQ(props->currentGroup(), image);
  Click(Item(15000, 1, 1));
  EXPECT_EQ(props->currentGroup(), Button(15000)->overState->border.get());
  EXPECT_EQ(tree->currentIndex(), Item(15000, 1, 1));

  // The button closes and opens again with its states as they were.
  tree->setExpanded(Item(15000), false);
  EXPECT_FALSE(tree->isExpanded(model->index(15000, 0, root)));
  tree->setExpanded(Item(15000), true);
  EXPECT_TRUE(tree->isExpanded(Item(15000, 1)));
  EXPECT_FALSE(tree->isExpanded(Item(15000, 0)));
  ASSERT_EQ(Rows(Item(15000, 1)), 5);

  // A new name reaches the label as it is stored.
  Rename(Button(15000), "Renamed");
  Click(Item(15000));
  Click(Item(14999));
  EXPECT_EQ(Text(Item(15000)), "Renamed");
  EXPECT_EQ(props->currentGroup(), Button(14999));

  // The last button moved up stays open and keeps its items.
  PropButton* last = Button(kButtons - 1);
  Click(Item(kButtons - 1));
  tree->commands().OnMoveUp();
  EXPECT_EQ(Button(kButtons - 2), last);
  EXPECT_EQ(ViewOutline::GroupOf(Item(kButtons - 2)), last);
  EXPECT_TRUE(tree->isExpanded(Item(kButtons - 2)));
  EXPECT_EQ(ViewOutline::GroupOf(Item(kButtons - 2, 2)), last->downState.get());
  EXPECT_EQ(tree->currentIndex(), Item(kButtons - 2));
}

namespace {
// Every row of `model` below `parent`, depth first: its depth, label and group.
void DumpRows(const QAbstractItemModel& model, const QModelIndex& parent, int depth,
              std::vector<std::tuple<int, std::string, KesProp*>>& out) {
  for (int i = 0; i < model.rowCount(parent); ++i) {
    const QModelIndex row = model.index(i, 0, parent);
    out.emplace_back(depth, row.data().toString().toStdString(), OutlineModel::GroupOf(row));
    DumpRows(model, row, depth + 1, out);
  }
}
}  // namespace

TEST_F(OutlineTest, TheModelFollowsEveryChangeAsAFreshModelWouldShowIt) {
  for (int i = 0; i < 4; ++i) doc.AddNewButton(-1);
  OutlineModel model(doc);
  // Qt's own checks of the rows' consistency around every signal.
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  doc.AddListener(&model);
  // What the rows told their views: i inserted, r removed, m moved, c
  // changed, z reset.
  std::string told;
  QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&] { told += 'i'; });
  QObject::connect(&model, &QAbstractItemModel::rowsRemoved, [&] { told += 'r'; });
  QObject::connect(&model, &QAbstractItemModel::rowsMoved, [&] { told += 'm'; });
  QObject::connect(&model, &QAbstractItemModel::dataChanged, [&] { told += 'c'; });
  QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { told += 'z'; });
  const struct {
    const char* what;
    std::function<void()> change;
    const char* told;
  } cases[] = {
      {"insert", [&] { doc.AddNewButton(2); }, "i"},
      {"remove",
       [&] {
         doc.DeleteButtonsAt({0, 3});
       },
       "rr"},
      {"move down", [&] { doc.MoveButtonsBy({0}, 1); }, "m"},
      {"move up a block",
       [&] {
         doc.MoveButtonsBy({2, 3}, -1);
       },
       "mm"},
      {"rename", [&] { Rename(Button(1), "Renamed"); }, "ccccc"},
      {"another field",
       [&] {
         const std::string before = Doc::CopyGroup(*Button(1));
         Button(1)->width += 10;
         doc.RecordGroupEdit(doc.PathOf(Button(1)), before, "Change Button");
       },
       ""},
      {"paste a button",
       [&] {
         app.lastCopiedClass = PropClass::Button;
         platform.SetClipboardData(kFmt, Doc::CopyGroup(*Button(0)));
         doc.PasteFromClipboard({doc.PathOf(Button(2))}, false);
       },
       "ccccc"},
      {"duplicate",
       [&] {
         doc.DuplicateButtonsAt({1, 2});
       },
       "ii"},
      {"undo", [&] { doc.Undo(); }, "rr"},
      {"redo", [&] { doc.Redo(); }, "ii"},
      {"undo a delete",
       [&] {
         doc.DeleteButtonsAt({1});
         doc.Undo();
       },
       "ri"},
      {"undo a rename",
       [&] {
         Rename(Button(0), "Again");
         doc.Undo();
       },
       "cccccccccc"},
      {"replace", [&] { ASSERT_TRUE(doc.OnNewDocument()); }, "z"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // A state's row kept by a view across the change.
    const QPersistentModelIndex kept = model.index(1, 0, model.ButtonIndex(1));
    KesProp* keptGroup = OutlineModel::GroupOf(kept);
    told.clear();
    c.change();
    EXPECT_EQ(told, c.told);
    OutlineModel fresh(doc);
    std::vector<std::tuple<int, std::string, KesProp*>> rows, freshRows;
    DumpRows(model, {}, 0, rows);
    DumpRows(fresh, {}, 0, freshRows);
    EXPECT_EQ(rows, freshRows);
    ASSERT_EQ(Names(), Labels());
    if (kept.isValid()) {
      EXPECT_EQ(OutlineModel::GroupOf(kept), keptGroup);
      EXPECT_EQ(QModelIndex(kept),
                fresh.IndexOf(keptGroup).isValid() ? model.IndexOf(keptGroup) : QModelIndex());
      EXPECT_EQ(kept.parent().row(), fresh.IndexOf(keptGroup).parent().row());
    }
  }
  doc.RemoveListener(&model);
}

// Shift+click extends the selection over items of the clicked item's kind
// only, and the Properties window's title says what and for how many it
// edits, following a new name.
TEST_F(OutlineTest, ShiftClickKeepsToTheClickedKindAndTheTitleSaysWhatIsEdited) {
  for (int i = 0; i < 4; ++i) tree->commands().OnNewButton();
  Rename(Button(0), "Bread");
  for (int b = 0; b < 5; ++b) tree->expand(Item(b, 0));
  const auto shiftClick = [this](const QModelIndex& item, Qt::KeyboardModifiers more = {}) {
    tree->scrollTo(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::ShiftModifier | more,
                      tree->visualRect(item).center());
  };
  const auto selected = [this] {
    std::vector<KesProp*> groups = tree->SelectedGroups();
    std::sort(groups.begin(), groups.end());
    return groups;
  };
  const auto of = [](std::vector<KesProp*> groups) {
    std::sort(groups.begin(), groups.end());
    return groups;
  };
  std::vector<KesProp*> buttons, overs, upTexts;
  for (int b = 0; b < 5; ++b) {
    buttons.push_back(Button(b));
    overs.push_back(Button(b)->overState.get());
    upTexts.push_back(Button(b)->upState->text.get());
  }
  Click(Item(0));
  shiftClick(Item(4));
  EXPECT_EQ(selected(), of(buttons));
  EXPECT_EQ(props->title(), "Button \u2014 5 buttons");
  Click(Item(0, 1));
  shiftClick(Item(4, 1));
  EXPECT_EQ(selected(), of(overs));
  EXPECT_EQ(props->title(), "Over \u2014 5 buttons");
  // From a button to an Up Text item: the Up Text items in between.
  Click(Item(1));
  shiftClick(Item(3, 0, 0));
  EXPECT_EQ(selected(), of({upTexts[1], upTexts[2], upTexts[3]}));
  // Ctrl+Shift adds the range's items of that kind to what was selected.
  Click(Item(0));
  shiftClick(Item(2, 1), Qt::ControlModifier);
  EXPECT_EQ(selected(), of({Button(0), overs[0], overs[1], overs[2]}));
  EXPECT_EQ(props->title(), "Properties \u2014 4 items");

  const struct {
    const char* what;
    KesProp* group;
    std::vector<KesProp*> others;
    const char* title;
  } titles[] = {
      {"nothing", nullptr, {}, "Properties"},
      {"the project", doc.project(), {}, "Project"},
      {"one button", Button(0), {}, "Button \u2014 Bread"},
      {"one item", upTexts[0], {}, "Up Text \u2014 Bread"},
      {"three buttons", Button(0), {Button(1), Button(4)}, "Button \u2014 3 buttons"},
      {"Text items of two states",
       upTexts[0],
       {Button(1)->overState->text.get()},
       "Text \u2014 2 buttons"},
      {"two states of one button", Button(0)->upState.get(), {overs[0]}, "States \u2014 2 items"},
  };
  for (const auto& t : titles) {
    SCOPED_TRACE(t.what);
    ASSERT_TRUE(props->SetPropertyGroups(t.group, t.others));
    EXPECT_EQ(props->title(), QString::fromUtf8(t.title));
  }
  ASSERT_TRUE(props->SetPropertyGroups(Button(0), {}));
  Rename(Button(0), "Rye");
  EXPECT_EQ(props->title(), "Button \u2014 Rye");
}

// Paste Style that cannot apply says why, and changes nothing.
TEST_F(OutlineTest, PasteStyleThatCannotApplySaysWhy) {
  tree->commands().OnNewButton();
  QSignalSpy said(tree, &ViewOutline::statusMessage);
  const auto copy = [this](KesProp* group) {
    app.lastCopiedClass = group->GetClass();
    platform.SetClipboardData(kFmt, Doc::CopyGroup(*group));
  };
  const struct {
    const char* what;
    std::function<void()> set;
    std::string why;
  } cases[] = {
      {"nothing copied", [&] { Click(Item(1)); }, msg::kPasteStyleNothingCopied},
      {"a button onto an Over state",
       [&] {
         copy(Button(0));
         Click(Item(1, 1));
       },
       msg::Format(msg::kPasteStyleOtherKind, "a button")},
      {"a button onto a button and a state",
       [&] {
         Click(Item(1));
         tree->AddToSelection(Button(0)->upState.get());
       },
       msg::Format(msg::kPasteStyleOtherKind, "a button")},
      {"nothing selected", [&] { tree->selectionModel()->clear(); }, msg::kPasteStyleNoSelection},
      {"the project", [&] { copy(doc.project()); }, msg::kPasteStyleProject},
      {"a button onto a button",
       [&] {
         Button(0)->upState->color = 0x123456;
         copy(Button(0));
         Click(Item(1));
       },
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.set();
    said.clear();
    const std::size_t steps = doc.history().size();
    ASSERT_TRUE(tree->commands().CanPasteStyle());
    tree->commands().OnPasteStyle();
    EXPECT_EQ(said.size(), c.why.empty() ? 0 : 1);
    if (!said.isEmpty()) {
      EXPECT_EQ(said.front().front().toString().toStdString(), c.why);
    }
    EXPECT_EQ(doc.history().size(), steps + (c.why.empty() ? 1 : 0));
  }
}

// The same state in every button, in the real window: Ctrl+2 selects the
// Over state of every button and one colour typed on their page reaches all
// five as one step; Ctrl+3 and Ctrl+Shift+1 keep to the buttons chosen.
TEST(SameStateInEveryButton, CtrlTwoSelectsEveryOverAndOneColourIsOneStep) {
  constexpr int kStateColor = 3001;
  TestPlatform platform;
  App app(platform, Quiet());
  ASSERT_TRUE(app.InitInstance({}));
  Doc& doc = app.doc();
  while (doc.ButtonCount() < 5) doc.AddNewButton(static_cast<int>(doc.ButtonCount()));
  FrameMain* frame = app.frame();
  ViewOutline* tree = frame->outline();
  frame->show();
  QApplication::setActiveWindow(frame);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
  const auto selected = [tree] {
    std::vector<KesProp*> groups = tree->SelectedGroups();
    std::sort(groups.begin(), groups.end());
    return groups;
  };
  const auto everyButtons = [&doc](const std::vector<int>& rows, auto item) {
    std::vector<KesProp*> groups;
    for (int b : rows) groups.push_back(item(*doc.ButtonPointers().at(std::size_t(b))));
    std::sort(groups.begin(), groups.end());
    return groups;
  };

  SelectItem(frame, tree->model()->index(0, 0));  // the project: no button chosen
  QTest::keyClick(tree, Qt::Key_2, Qt::ControlModifier);
  EXPECT_EQ(selected(), everyButtons({0, 1, 2, 3, 4},
                                     [](PropButton& b) -> KesProp* { return b.overState.get(); }));
  EXPECT_EQ(tree->currentIndex(), TreeItem(frame, 0, 1));
  EXPECT_EQ(frame->propertiesDock()->windowTitle(), "Over \u2014 5 buttons");

  auto* color = PageControl<ColorButton>(frame, kStateColor);
  ASSERT_TRUE(color);
  color->menu()->popup(color->mapToGlobal(QPoint(0, color->height())));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(color->menu()));
  auto* field = color->menu()->findChild<QLineEdit*>(QStringLiteral("colorField"));
  ASSERT_TRUE(field);
  const std::size_t steps = doc.history().size();
  std::vector<uint32_t> before;
  for (PropButton* b : doc.ButtonPointers()) before.push_back(b->overState->color);
  QTest::keyClicks(field, "#A0522D");
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_TRUE(
      QTest::qWaitFor([&doc] { return doc.buttons().back()->overState->color == 0x2D52A0u; }));
  for (PropButton* b : doc.ButtonPointers()) EXPECT_EQ(b->overState->color, 0x2D52A0u);
  EXPECT_EQ(doc.history().size(), steps + 1);
  tree->setFocus();
  frame->action(kCmdEditUndo)->trigger();
  for (std::size_t b = 0; b < before.size(); ++b)
    EXPECT_EQ(doc.ButtonPointers()[b]->overState->color, before[b]);

  // A button counts when any of its items is selected; Ctrl+Shift+1 takes
  // the Text item of the state reached, opening the states it must show.
  SelectItem(frame, TreeItem(frame, 1, 0, 0));
  tree->AddToSelection(doc.ButtonPointers()[3]);
  QTest::keyClick(tree, Qt::Key_3, Qt::ControlModifier);
  EXPECT_EQ(selected(),
            everyButtons({1, 3}, [](PropButton& b) -> KesProp* { return b.downState.get(); }));
  QTest::keyClick(tree, Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(selected(), everyButtons({1, 3}, [](PropButton& b) -> KesProp* {
              return b.downState->text.get();
            }));
  EXPECT_TRUE(tree->isExpanded(TreeItem(frame, 3, 2)));
  EXPECT_EQ(frame->propertiesDock()->windowTitle(), "Down Text \u2014 2 buttons");
  doc.SetModifiedFlag(false);
  app.ExitInstance();
}
