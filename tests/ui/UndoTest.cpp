// Undo and redo in the real main window, as a new user meets them: looking
// through the demo changes nothing; deleting, renaming, changing a caption,
// moving and copying to the other states are undone and redone through the
// Edit menu with the tree, the page and the title following; undone back to
// the saved file, the project is byte for byte that file again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "MainWindowParts.h"
#include "QuietApp.h"
#include "core/Doc.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "support/TestPlatform.h"
#include "ui/App.h"
#include "ui/CommandIds.h"
#include "ui/FrameMain.h"
#include "ui/KesView.h"
#include "ui/KesWndProperties.h"
#include "ui/LiveView.h"
#include "ui/ViewOutline.h"

namespace {

constexpr int kButtonName = 2604;
constexpr int kCaption = 3401;

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class UndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.previewDir = dir.filePath("Preview/").toStdString();
    path = dir.filePath("demo.but");
    ASSERT_TRUE(QFile::copy(VB_SOURCE_DIR "/examples/demo.but", path));
    app = std::make_unique<App>(platform, Quiet());
    ASSERT_TRUE(app->InitInstance({}));
    ASSERT_TRUE(app->OpenDocumentFile(path));
    frame = app->frame();
    tree = frame->outline();
    // Without the web engine the live view says so, and all else works.
    EXPECT_FALSE(frame->live()->available());
    EXPECT_FALSE(frame->live()->notice().isEmpty());
  }
  void TearDown() override {
    app->doc().SetModifiedFlag(false);
    app->ExitInstance();
  }

  QModelIndex Item(int b, int s = -1, int g = -1) const { return TreeItem(frame, b, s, g); }
  void Select(const QModelIndex& item) { SelectItem(frame, item); }
  template <class W>
  W* Control(int id) const {
    return PageControl<W>(frame, id);
  }
  void Run(int command) { frame->action(command)->trigger(); }
  QString Label(int b) const { return Item(b).data().toString(); }

  QTemporaryDir dir;
  TestPlatform platform;
  QString path;
  std::unique_ptr<App> app;
  FrameMain* frame = nullptr;
  ViewOutline* tree = nullptr;
};

TEST_F(UndoTest, EditsUndoToTheSavedFileAndRedoAgain) {
  Doc& doc = app->doc();
  const QByteArray original = FileBytes(path);

  // Looking at every page of the project changes nothing.
  for (QModelIndex row = tree->model()->index(0, 0); row.isValid(); row = tree->indexBelow(row)) {
    tree->expand(row);
    Select(row);
  }
  Select(tree->model()->index(0, 0));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_FALSE(frame->isWindowModified());
  EXPECT_FALSE(frame->action(kCmdEditUndo)->isEnabled());

  // Delete a button, rename one, change a caption, move a button.
  const QString first = Label(0), second = Label(1);
  Select(Item(0));
  Run(kCmdDeleteButton);
  EXPECT_EQ(Label(0), second);
  EXPECT_TRUE(frame->isWindowModified());
  EXPECT_EQ(frame->action(kCmdEditUndo)->text(), "&Undo Delete Button '" + first + "'");

  Select(Item(0));
  auto* name = Control<QLineEdit>(kButtonName);
  ASSERT_TRUE(name);
  name->setFocus();
  name->selectAll();
  QTest::keyClicks(name, "Renamed");
  // Ctrl+Z in the box undoes the typing first, and the document is untouched.
  QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(name->text(), second);
  EXPECT_EQ(Label(0), second);
  QTest::keyClicks(name, "Renamed");
  Select(Item(0, 0, 0));  // leaving the page stores the name: the label follows
  EXPECT_EQ(Label(0), "Renamed");
  EXPECT_EQ(frame->action(kCmdEditUndo)->text(), "&Undo Change Button");

  auto* caption = Control<QPlainTextEdit>(kCaption);
  ASSERT_TRUE(caption);
  caption->setPlainText("New caption");
  Select(Item(1));
  const std::string third = doc.buttons()[1]->name;
  Run(kCmdMoveDown);
  EXPECT_EQ(Label(2), QString::fromStdString(third));
  EXPECT_EQ(tree->currentIndex(), Item(2));

  // The Up caption reached Over and Down with it. Down takes a caption of its
  // own; Copy to Other States brings Up's back in one step.
  EXPECT_EQ(doc.buttons()[0]->downState->text->text, "New caption");
  Select(Item(0, 2, 0));
  Control<QPlainTextEdit>(kCaption)->setPlainText("Own caption");
  Select(Item(0, 0, 0));
  Run(kCmdCopyToOtherStates);
  EXPECT_EQ(doc.buttons()[0]->downState->text->text, "New caption");
  tree->setFocus();
  Run(kCmdEditUndo);
  EXPECT_EQ(doc.buttons()[0]->downState->text->text, "Own caption");
  // The page shown follows a change it did not make.
  Select(Item(0, 2, 0));
  Run(kCmdEditUndo);
  EXPECT_EQ(Control<QPlainTextEdit>(kCaption)->toPlainText(), "New caption");

  // Undo the move, the caption, the name and the deletion; save: the file
  // is the original, and nothing is marked modified.
  for (int i = 0; i < 4; ++i) Run(kCmdEditUndo);
  EXPECT_EQ(Label(0), first);
  EXPECT_EQ(Label(1), second);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_FALSE(frame->isWindowModified());
  ASSERT_TRUE(app->OnFileSave());
  EXPECT_EQ(FileBytes(path), original);

  // Redo all: the tree and the page follow again.
  while (frame->action(kCmdEditRedo)->isEnabled()) Run(kCmdEditRedo);
  EXPECT_EQ(Label(0), "Renamed");
  EXPECT_EQ(doc.buttons()[0]->upState->text->text, "New caption");
  EXPECT_EQ(doc.buttons()[0]->overState->text->text, "New caption");
  EXPECT_TRUE(frame->isWindowModified());
}

}  // namespace

// One edit reaches every selected item: two buttons' Up captions typed at
// once reach their Over and Down, one Undo takes both back, the values two
// items do not share show blank and stay theirs, Over marks what follows Up,
// and Paste Style gives a third button the look but not the caption.
TEST_F(UndoTest, SeveralItemsTakeOneEditAsOneStep) {
  Doc& doc = app->doc();
  Select(Item(static_cast<int>(doc.ButtonCount()) - 1));
  for (int i = 0; i < 3; ++i) Run(kCmdNewButton);
  const int a = static_cast<int>(doc.ButtonCount()) - 3, b = a + 1, c = a + 2;
  const auto caption = [&doc](int button, int state) {
    return doc.buttons()[static_cast<std::size_t>(button)]->state(state)->text->text;
  };
  const auto addClick = [this](const QModelIndex& item) {
    tree->scrollTo(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      tree->visualRect(item).center());
  };
  const std::string nameA = doc.buttons()[std::size_t(a)]->name;

  Select(Item(a, 0, 0));
  addClick(Item(b, 0, 0));
  EXPECT_EQ(tree->selectionModel()->selectedIndexes().size(), 2);
  auto* edit = Control<QPlainTextEdit>(kCaption);
  ASSERT_TRUE(edit);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "Fresh Bread");
  QTest::keyClick(edit, Qt::Key_Return);
  QApplication::processEvents();
  for (int button : {a, b})
    for (int s = 0; s < 3; ++s) EXPECT_EQ(caption(button, s), "Fresh Bread") << button << s;
  EXPECT_EQ(caption(c, 0), doc.buttons()[std::size_t(c)]->name);
  EXPECT_EQ(frame->action(kCmdEditUndo)->text(), "&Undo Change Text (2 buttons)");
  tree->setFocus();
  Run(kCmdEditUndo);
  EXPECT_EQ(caption(a, 2), nameA);
  EXPECT_EQ(caption(b, 0), doc.buttons()[std::size_t(b)]->name);
  Run(kCmdEditRedo);

  // Captions that differ show blank; leaving the page changes nothing.
  const std::size_t steps = doc.history().size();
  Select(Item(a, 0, 0));
  addClick(Item(c, 0, 0));
  EXPECT_TRUE(Control<QPlainTextEdit>(kCaption)->toPlainText().isEmpty());
  Select(Item(c));
  EXPECT_EQ(doc.history().size(), steps);
  EXPECT_EQ(caption(a, 0), "Fresh Bread");

  // Over's caption follows Up's, and its page says so.
  Select(Item(c, 1, 0));
  EXPECT_TRUE(KesView::MarkedFollowing(Control<QPlainTextEdit>(kCaption)));

  // Paste Style: the look of button a, the caption of button c.
  doc.buttons()[std::size_t(a)]->upState->color = 0x8B4513;
  Select(Item(a));
  tree->setFocus();
  Run(kCmdEditCopy);
  Select(Item(c));
  ASSERT_TRUE(frame->action(kCmdPasteStyle)->isEnabled() || tree->commands().CanPasteStyle());
  Run(kCmdPasteStyle);
  EXPECT_EQ(doc.buttons()[std::size_t(c)]->upState->color, 0x8B4513u);
  EXPECT_EQ(caption(c, 0), doc.buttons()[std::size_t(c)]->name);
  EXPECT_EQ(doc.history().UndoName(), "Paste Style");
}

// The Buttons commands from the keyboard, in the tree: Insert and
// Ctrl+Shift+N add a button, Ctrl+D duplicates, Alt+Down and Alt+Up move.
TEST_F(UndoTest, TheKeyboardRunsTheButtonsCommands) {
  Doc& doc = app->doc();
  frame->show();
  QApplication::setActiveWindow(frame);
  Select(Item(0));
  const std::size_t count = doc.ButtonCount();
  const std::string first = doc.buttons()[0]->name;
  QTest::keyClick(tree, Qt::Key_Insert);
  QTest::keyClick(tree, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(doc.ButtonCount(), count + 2);
  Select(Item(0));
  QTest::keyClick(tree, Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(doc.ButtonCount(), count + 3);
  EXPECT_EQ(doc.history().UndoName(), "Duplicate Button");
  Select(Item(0));
  QTest::keyClick(tree, Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(doc.buttons()[1]->name, first);
  QTest::keyClick(tree, Qt::Key_Up, Qt::AltModifier);
  EXPECT_EQ(doc.buttons()[0]->name, first);
  for (int id : {kCmdNewButton, kCmdDuplicate, kCmdMoveUp, kCmdMoveDown})
    EXPECT_FALSE(frame->action(id)->shortcut().isEmpty()) << id;
}
