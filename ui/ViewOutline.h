// The outline tree: the project at the root, its buttons in button order,
// three states under each button and five groups under each state, shown
// from an OutlineModel over the document. Selecting a row shows its group's
// page; the Buttons and clipboard commands (ButtonCommands) work on the
// selected rows.
#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>
#include <functional>
#include <vector>

#include "core/History.h"
#include "core/KesDoc.h"
#include "ui/ButtonCommands.h"
#include "ui/OutlineModel.h"

class Doc;
class KesApp;
class KesProp;
class KesWndProperties;

class ViewOutline : public QTreeView, public DocView, public DocListener, public OutlineSelection {
  Q_OBJECT
 public:
  ViewOutline(KesApp& app, Doc& doc, KesWndProperties& properties, QWidget* parent = nullptr);
  ~ViewOutline() override;

  // 104: the page goes blank and the rows go; 105: the rows are made again
  // from the document.
  void OnUpdate(int hint) override;
  // The rows follow the document: a button put in, taken out or moved, a
  // group's new name, at once, whatever road the change took.
  void OnDocChanged(const DocChange& change) override;

  // The Buttons and clipboard commands on this tree's selection. They leave
  // the page's unstored typing to whoever runs them.
  ButtonCommands& commands() { return commands_; }
  const ButtonCommands& commands() const { return commands_; }
  const OutlineModel& outlineModel() const { return model_; }

  // The window's actions run the commands through these: the page hands over
  // what is being typed, then the command runs.
  void RunEditCommand(int id);
  bool IsEditCommandEnabled(int id) const { return commands_.IsEditCommandEnabled(id); }

  KesProp* SelectedGroup() const;
  // OutlineSelection: the current row's group first, then the other
  // selected rows' groups.
  std::vector<KesProp*> SelectedGroups() const override;
  std::vector<int> SelectedButtonRows() const override;
  int CurrentButtonRow() const override;
  void SelectButtonRows(const std::vector<int>& rows) override;
  bool HasFocus() const override;
  void TakeFocus() override;
  void ShowStatus(const std::string& text) override;

  // Select > Up, Over and Down States, and a state's Text, Border, Audio,
  // Image and Advanced items: selects the item of that kind in every
  // selected button (a button counts when it or any of its items is
  // selected), or in every button when none is; opens what must be shown and
  // scrolls to the first, which becomes current. A state's item is taken
  // from `state`; see StateForItems.
  void SelectInButtons(PropClass kind, int state);
  // The state the Select commands for a state's items take: the current
  // item's, else the one the Up, Over or Down States command selected last,
  // else Up.
  int StateForItems() const;
  bool CanSelectInButtons() const { return model_.ButtonRows() > 0; }

  // Adds the row of `group` to the selection (Ctrl+click in the Live View).
  bool AddToSelection(KesProp* group);
  // Selects the row of `group` (which shows its page); false when there is
  // no such row or the open page refused to give up its data.
  bool SelectGroup(KesProp* group);
  QModelIndex IndexOf(const KesProp* group) const { return model_.IndexOf(group); }
  static KesProp* GroupOf(const QModelIndex& index) { return OutlineModel::GroupOf(index); }

 signals:
  // The pointer is over no row: the status bar's message pane is cleared.
  void statusPromptCleared();
  // Another row is current.
  void currentGroupChanged();
  // A message for the status bar: why a command did nothing.
  void statusMessage(const QString& text);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  // The Buttons and clipboard commands on the row under the pointer.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // Every command of the tree's own keys and menu, and of the window's
  // actions through the functions above, runs here: the page hands over what
  // is being typed once, then the command runs (when `onlyWhenStored`, only
  // if the page let go of its edits).
  void Run(const std::function<void()>& command, bool onlyWhenStored = false);
  void Run(void (ButtonCommands::*command)()) {
    Run([this, command] { (commands_.*command)(); });
  }
  void Rebuild();
  void Clear();
  void OnCurrentChanged(const QModelIndex& current, const QModelIndex& previous);
  // The page follows the selection: the current row's group with the other
  // selected ones.
  void OnSelectionChanged();
  // Makes `index` current and the only selected row, without a word to the
  // page.
  void SetCurrentQuietly(const QModelIndex& index, QItemSelectionModel::SelectionFlags flags);
  // Selects `index`; when the open page refuses, its page is dropped first
  // (the groups it edits are about to go).
  void SelectForced(const QModelIndex& index);
  // Selects the siblings of the current row (Ctrl+A).
  void SelectSiblings();
  std::vector<QModelIndex> SelectedRows() const;
  // After a Shift+click on `clicked`: the rows of another kind than its leave
  // the selection, except, when `added` (Ctrl+Shift), those in `before`.
  void KeepKindOf(const QModelIndex& clicked, const QItemSelection& before, bool added);

  KesApp& app_;
  Doc& doc_;
  KesWndProperties& properties_;
  OutlineModel model_;
  ButtonCommands commands_;
  // The page shows exactly these rows, or the selection went back to them.
  std::vector<QPersistentModelIndex> shownSelection_;
  // Set while the rows are made or rearranged: selection changes do not
  // change the page then.
  int quiet_ = 0;
  // The state the Up, Over or Down States command selected last, or none.
  int lastSelectedState_ = GroupPath::kNoState;
};
