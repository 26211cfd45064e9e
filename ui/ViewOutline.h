// The outline tree: the project at the root, its buttons in button order,
// three states under each button and five groups under each state. Selecting
// an item shows its group's page; the Buttons and clipboard commands work on
// the selected item.
#pragma once

#include <QTreeWidget>
#include <map>
#include <string>
#include <vector>

#include "core/History.h"
#include "core/KesDoc.h"

class Doc;
class KesApp;
class KesProp;
class KesWndProperties;
class PropButton;

class ViewOutline : public QTreeWidget, public DocView, public DocListener {
  Q_OBJECT
 public:
  ViewOutline(KesApp& app, Doc& doc, KesWndProperties& properties, QWidget* parent = nullptr);
  ~ViewOutline() override;

  // 104: the page goes blank and the items go; 105: the items are built
  // again from the document.
  void OnUpdate(int hint) override;
  // The rows follow the document: a button put in, taken out or moved, a
  // group's new name, at once, whatever road the change took.
  void OnDocChanged(const DocChange& change) override;

  // Buttons commands (ids 40128..40132) and their enabled states.
  void OnNewButton();
  void OnDeleteButton();
  void OnMoveUp();
  void OnMoveDown();
  void OnDuplicate();
  bool CanDeleteButton() const;
  bool CanMoveUp() const;
  bool CanMoveDown() const;
  bool CanDuplicate() const;

  // The tree's own clipboard commands.
  void OnCopy();
  void OnCut();
  void OnPaste();
  bool CanCopy() const;
  bool CanCut() const;
  bool CanPaste() const;
  // Cut, Copy or Paste on the tree's selection.
  bool CanEdit(int id) const;
  // "Copy to Other States" of the selected states or state groups.
  void OnCopyToOtherStates();
  bool CanCopyToOtherStates() const;
  // "Paste Style": the copied item's look onto every selected item of its kind.
  void OnPasteStyle();
  bool CanPasteStyle() const;

  // Editing commands Copy 57634, Cut 57635, Paste 57637, Undo 57643: they act
  // on a focused edit box of a page, otherwise on the tree's selected item
  // when the tree has the focus.
  bool IsEditCommandEnabled(int id) const;
  void RunEditCommand(int id);

  KesProp* SelectedGroup() const;
  // The current item's group first, then the other selected items' groups in
  // tree order.
  std::vector<KesProp*> SelectedGroups() const;
  // Adds the item of `group` to the selection (Ctrl+click in the Live View).
  bool AddToSelection(KesProp* group);
  // Selects the item of `group` (which shows its page); false when there is
  // no such item or the open page refused to give up its data.
  bool SelectGroup(KesProp* group);
  QTreeWidgetItem* ItemOf(const KesProp* group) const;
  static KesProp* GroupOf(const QTreeWidgetItem* item);

 signals:
  // The pointer is over no item: the status bar's message pane is cleared.
  void statusPromptCleared();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  // The Buttons and clipboard commands on the item under the pointer.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Rebuild();
  void Clear();
  void OnCurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
  // Selects `item`; when the open page refuses, its page is dropped first
  // (the groups it edits are about to go).
  void SelectForced(QTreeWidgetItem* item);

  QTreeWidgetItem* Root() const;
  QTreeWidgetItem* MakeItem(KesProp* group);
  QTreeWidgetItem* MakeButtonItem(PropButton* button);
  // Makes the items of a state's five groups, once.
  void PopulateState(QTreeWidgetItem* stateItem);
  // The button item holding `item` (itself when it is one), or nullptr.
  QTreeWidgetItem* ButtonItemOf(QTreeWidgetItem* item) const;
  int SelectedButtonIndex() const;
  PropButton* SelectedButton() const;
  // The indices of the selected buttons (button items only), ascending.
  std::vector<int> SelectedButtonIndices() const;
  // The page follows the selection: the current item's group with the
  // other selected ones.
  void OnSelectionChanged();
  // Moves the selected buttons one place (-1 up, 1 down) as a block.
  void MoveSelected(int delta);
  // Selects the siblings of the current item (Ctrl+A).
  void SelectSiblings();
  // The page shows exactly these items, or the selection went back to them.
  std::vector<QTreeWidgetItem*> shownSelection_;
  // The selected groups when all are of one kind (the current item's first).
  std::vector<KesProp*> SelectedOfOneKind() const;
  // Puts the selected group's bytes on the clipboard; returns them.
  std::string CopySelected();
  // The row of the group at `path` with its own and its items' labels anew.
  void Relabel(const GroupPath& path);
  bool TreeHasFocus() const;
  const QIcon& IconFor(int id);
  // One label for every item of the same name (states and their groups).
  const QString& SharedLabel(const std::string& name);

  KesApp& app_;
  Doc& doc_;
  KesWndProperties& properties_;
  // Set while the items are rebuilt or rearranged: selection changes do not
  // change the page then.
  int quiet_ = 0;
  std::map<int, QIcon> icons_;
  std::map<std::string, QString> labels_;
  // Projects of up to this many buttons get all their items at once; larger
  // ones make a state's group items when the state is first opened.
  static constexpr std::size_t kEagerButtons = 500;
  bool lazyGroups_ = false;
};
