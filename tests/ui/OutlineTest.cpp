// The outline tree: its shape, the Buttons commands, the clipboard commands
// and the selection's conversation with the Properties window.
#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <functional>

#include "OutlineFixture.h"
#include "core/Archive.h"
#include "core/Messages.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropText.h"
#include "groups/project/TabProject.h"
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
