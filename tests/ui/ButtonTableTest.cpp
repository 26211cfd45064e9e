// The Buttons table in the real main window, on a template as a new user
// starts: it lists the buttons; a caption, a link, a tip and a status text
// typed cell after cell with Tab reach the document, the tree, the Link
// page and the saved file, each as one step of Undo; a name the General page
// would refuse is refused with its message; the table's rows and the
// outline's buttons select each other.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "MainWindowParts.h"
#include "QuietApp.h"
#include "core/Doc.h"
#include "core/Messages.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropText.h"
#include "support/EventWait.h"
#include "support/TestPlatform.h"
#include "ui/App.h"
#include "ui/ButtonTable.h"
#include "ui/ButtonTableModel.h"
#include "ui/CommandIds.h"
#include "ui/KfcViewTab.h"
#include "ui/Text.h"

namespace {

using Col = ButtonTableModel::Column;
constexpr int kLinkTab = 2;
constexpr int kUrl = 2801;

class ButtonTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.previewDir = dir.filePath("Preview/").toStdString();
    app = std::make_unique<App>(platform, Quiet());
    ASSERT_TRUE(app->InitInstance({}));
    ASSERT_TRUE(app->OpenTemplate(VB_SOURCE_DIR "/templates/vertical-menu/vertical-menu.but"));
    frame = app->frame();
    frame->show();
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    frame->action(kCmdViewButtonTable)->trigger();
    table = frame->findChild<ButtonTable*>();
    ASSERT_TRUE(table);
  }
  void TearDown() override {
    app->doc().SetModifiedFlag(false);
    app->ExitInstance();
  }

  PropButton& Button(int i) const { return *app->doc().ButtonPointers().at(std::size_t(i)); }
  std::string Cell(int row, int column) const {
    return table->model()->index(row, column).data().toString().toStdString();
  }
  // Keys as the user presses them: to whatever has the keyboard (the table,
  // or the cell's editor once typing opened it).
  static void Keys(const QString& text) {
    for (QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
  }
  // An editor stores on Enter once the events queued run.
  static void Key(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    QApplication::processEvents();
  }
  void At(int row, int column) {
    table->setFocus();
    table->setCurrentIndex(table->model()->index(row, column));
  }

  QTemporaryDir dir;
  TestPlatform platform;
  std::unique_ptr<App> app;
  FrameMain* frame = nullptr;
  ButtonTable* table = nullptr;
};

TEST_F(ButtonTableTest, TypedCellsReachTheDocumentOneStepEach) {
  Doc& doc = app->doc();
  // The command shows the table, in front, with the keyboard.
  EXPECT_TRUE(table->isVisible());
  EXPECT_TRUE(table->hasFocus());
  const int rows = static_cast<int>(doc.ButtonCount());
  ASSERT_GE(rows, 3);
  ASSERT_EQ(table->model()->rowCount(), rows);
  for (int i = 0; i < rows; ++i) {
    EXPECT_EQ(Cell(i, Col::kName), Button(i).name);
    EXPECT_EQ(Cell(i, Col::kCaption), Button(i).upState->text->text);
  }

  // Caption, link, tip and status text typed along the first row; Enter
  // stores the last and goes down to the column the Tabs started from.
  const std::size_t steps = doc.history().size();
  std::vector<std::string> captions;
  for (int s = 0; s < 3; ++s) captions.push_back(Button(0).state(s)->text->text);
  const std::string url0 = Button(0).url, tip0 = Button(0).tip, status0 = Button(0).status;
  At(0, Col::kCaption);
  Keys("Fresh Bread");
  Key(Qt::Key_Tab);
  Keys("loaves.html");
  Key(Qt::Key_Tab);
  Keys("Baked every morning");
  Key(Qt::Key_Tab);
  Keys("Our loaves");
  Key(Qt::Key_Return);
  EXPECT_EQ(table->currentIndex(), table->model()->index(1, Col::kCaption));
  // A name typed over another; the tree follows.
  At(1, Col::kName);
  Keys("Loaves");
  Key(Qt::Key_Return);
  EXPECT_EQ(doc.history().size(), steps + 5);
  // Over and Down follow where they held Up's caption.
  for (int s = 0; s < 3; ++s)
    EXPECT_EQ(Button(0).state(s)->text->text,
              captions[std::size_t(s)] == captions[0] ? "Fresh Bread" : captions[std::size_t(s)])
        << s;
  EXPECT_EQ(Button(0).url, "loaves.html");
  EXPECT_EQ(Button(0).tip, "Baked every morning");
  EXPECT_EQ(Button(0).status, "Our loaves");
  EXPECT_EQ(Button(1).name, "Loaves");
  EXPECT_EQ(TreeItem(frame, 1).data().toString().toStdString(), "Loaves");

  frame->grab().save(QDir::tempPath() + "/velkobutton-buttons-table.png");

  // The Link page shows the link typed.
  SelectItem(frame, TreeItem(frame, 0));
  auto* tabs = qobject_cast<KfcViewTab*>(frame->properties()->currentPage());
  ASSERT_TRUE(tabs);
  tabs->setCurrentIndex(kLinkTab);
  auto* url = PageControl<QComboBox>(frame, kUrl);
  ASSERT_TRUE(url);
  EXPECT_EQ(url->currentText(), "loaves.html");

  // Each cell is one step, undone in turn and done again; the table follows.
  const std::vector<std::pair<std::string, std::function<bool()>>> undone = {
      {"Change Name",
       [&] { return Button(1).name != "Loaves" && Cell(1, Col::kName) != "Loaves"; }},
      {"Change Status Text", [&] { return Button(0).status == status0; }},
      {"Change Tool Tip", [&] { return Button(0).tip == tip0; }},
      {"Change Link",
       [&] { return Button(0).url == url0 && url->currentText().toStdString() == url0; }},
      {"Change Caption",
       [&] {
         return Button(0).downState->text->text != "Fresh Bread" &&
                Cell(0, Col::kCaption) != "Fresh Bread";
       }},
  };
  for (const auto& [name, isUndone] : undone) {
    EXPECT_EQ(frame->action(kCmdEditUndo)->text().toStdString(), "&Undo " + name);
    frame->action(kCmdEditUndo)->trigger();
    EXPECT_TRUE(isUndone()) << name;
  }
  while (frame->action(kCmdEditRedo)->isEnabled()) frame->action(kCmdEditRedo)->trigger();

  // The saved file holds them; opened again, the table shows them.
  const QString path = dir.filePath("menu.but");
  platform.fileAnswers.push_back(path.toStdString());
  ASSERT_TRUE(app->OnFileSaveAs());
  ASSERT_TRUE(app->OpenDocumentFile(path));
  ASSERT_EQ(table->model()->rowCount(), rows);
  EXPECT_EQ(Cell(0, Col::kCaption), "Fresh Bread");
  EXPECT_EQ(Cell(0, Col::kLink), "loaves.html");
  EXPECT_EQ(Cell(0, Col::kTip), "Baked every morning");
  EXPECT_EQ(Cell(0, Col::kStatus), "Our loaves");
  EXPECT_EQ(Cell(1, Col::kName), "Loaves");
}

// A caption's editor shows its lines: Shift+Enter breaks one, Enter stores
// it. The table shows a line break as a mark on one line; a mark typed is a
// character like any other, stored as itself.
TEST_F(ButtonTableTest, ACaptionsLineBreaksAndATypedMarkStayApart) {
  Doc& doc = app->doc();
  At(0, Col::kCaption);
  Keys("Fresh");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
  // Typed as one key's text, as an input method gives it.
  QTest::sendKeyEvent(QTest::Press, QApplication::focusWidget(), Qt::Key_unknown,
                      QString::fromUtf8("Bread \u21B5 \u00A0"), Qt::NoModifier);
  Key(Qt::Key_Return);
  const std::string stored = "Fresh\r\nBread \u21B5 \u00A0";
  EXPECT_EQ(Button(0).upState->text->text, stored);
  EXPECT_EQ(Cell(0, Col::kCaption), "Fresh\u21B5Bread \u21B5 \u00A0");
  // Opened again, the editor holds the lines; stored untouched, no step.
  const std::size_t steps = doc.history().size();
  At(0, Col::kCaption);
  Key(Qt::Key_F2);
  auto* editor = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget());
  ASSERT_TRUE(editor);
  EXPECT_EQ(editor->document()->toRawText().toStdString(), "Fresh\u2029Bread \u21B5 \u00A0");
  Key(Qt::Key_Return);
  EXPECT_EQ(doc.history().size(), steps);
  EXPECT_EQ(Button(0).upState->text->text, stored);
}

// A refused name changes nothing and makes no step; the General page's
// message says why, and the cell opens again with what was typed.
TEST_F(ButtonTableTest, RefusedNamesKeepTheOldName) {
  const std::string old = Button(1).name;
  const std::size_t steps = app->doc().history().size();
  const QString shouted = QString::fromStdString(Button(0).name).toUpper();
  const QString broken = QString::fromUtf8("Caf\u00e9 ") + QChar(0xD800);
  const std::vector<std::pair<QString, std::string>> cases = {
      {shouted, msg::Format(msg::kButtonNameDuplicate, shouted.toStdString())},
      // Half of a surrogate pair is no character.
      {broken, msg::Format(msg::kTextNotStorable, FromQ(broken))},
      {"", msg::kButtonNameEmpty}};  // Delete empties the cell
  for (const auto& [typed, message] : cases) {
    platform.messages.clear();
    At(1, Col::kName);
    if (typed.isEmpty()) {
      Key(Qt::Key_Delete);
    } else {
      // The first key opens the cell; the rest goes in at once (no key sends
      // a character the project cannot store).
      Keys(typed.left(1));
      auto* typing = qobject_cast<QLineEdit*>(QApplication::focusWidget());
      ASSERT_TRUE(typing);
      typing->setText(typed);
      Key(Qt::Key_Tab);
    }
    ASSERT_TRUE(events::WaitFor([this] { return !platform.messages.empty(); }));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, message);
    // The cell is open again with what was typed; Escape gives it up.
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->text(), typed);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Button(1).name, old);
    EXPECT_EQ(Cell(1, Col::kName), old);
  }
  EXPECT_EQ(app->doc().history().size(), steps);
}

// A row chosen in the table selects its button in the outline, and the
// outline's selection (a state of a button too) shows in the table.
TEST_F(ButtonTableTest, RowsAndOutlineSelectEachOther) {
  Doc& doc = app->doc();
  At(2, Col::kTip);
  EXPECT_EQ(frame->outline()->SelectedGroup(), &Button(2));
  EXPECT_TRUE(table->hasFocus());
  SelectItem(frame, TreeItem(frame, 1, 0, 0));
  EXPECT_EQ(table->currentIndex(), table->model()->index(1, Col::kTip));
  // Buttons put in, moved and taken out: the rows follow, the current one too.
  const auto rowsAreButtons = [&] {
    bool same = table->model()->rowCount() == static_cast<int>(doc.ButtonCount());
    for (int i = 0; same && i < table->model()->rowCount(); ++i)
      same = Cell(i, Col::kName) == Button(i).name;
    return same &&
           table->currentIndex().row() == doc.PathOf(frame->outline()->SelectedGroup()).button;
  };
  for (int command : {kCmdNewButton, kCmdMoveUp, kCmdMoveUp, kCmdMoveDown, kCmdDeleteButton}) {
    frame->action(command)->trigger();
    EXPECT_TRUE(rowsAreButtons()) << command;
  }
}

}  // namespace

// The window's tables and docks around the Live View: what the window gains
// goes to the view, and the tree keeps its width.
TEST_F(ButtonTableTest, TheLiveViewTakesWhatTheWindowGains) {
  QDockWidget* live = frame->liveDock();
  if (!live->isVisible() || live->isFloating()) GTEST_SKIP() << "no docked Live View";
  frame->resize(1000, 700);
  QApplication::processEvents();
  const int tree = frame->centralWidget()->width(), view = live->width();
  frame->resize(1300, 700);
  ASSERT_TRUE(events::WaitFor([&] { return live->width() >= view + 250; }))
      << view << " -> " << live->width();
  EXPECT_NEAR(frame->centralWidget()->width(), tree, 10);
}
