// The outline's rows over the document's project: the project at the root,
// its buttons in button order, three states under each button and five groups
// under each state. Each row stands for its group itself, so a row and what
// lies below it stay the same rows when their button moves. The rows follow
// the document's change events: a button put in, taken out or moved becomes
// rows inserted, removed or moved; a new name repaints the rows it shows in;
// other edits leave the rows alone.
#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <map>
#include <unordered_map>
#include <vector>

#include "core/History.h"
#include "ui/ButtonRowsModel.h"

class Doc;
class KesProp;
class PropButton;
class PropProject;

class OutlineModel : public ButtonRowsModel<QAbstractItemModel>, public DocListener {
  Q_OBJECT
 public:
  // The group a row stands for, as a pointer.
  static constexpr int kGroupRole = Qt::UserRole + 1;

  // What kind of item a row is: its group's class and, for a state or one
  // of a state's groups, which state it is in (0 Up, 1 Over, 2 Down). Over
  // states and Over Text items are kinds of their own, as are buttons.
  struct ItemKind {
    PropClass kind = PropClass::None;
    int state = GroupPath::kNoState;
    bool operator==(const ItemKind& o) const { return kind == o.kind && state == o.state; }
    bool operator!=(const ItemKind& o) const { return !(*this == o); }
  };
  static ItemKind KindOf(const KesProp* group);
  static ItemKind KindOf(const QModelIndex& index) { return KindOf(GroupOf(index)); }
  // The button holding `group` (itself when it is one), or nullptr.
  static const PropButton* ButtonOf(const KesProp* group);

  explicit OutlineModel(Doc& doc, QObject* parent = nullptr);

  // Every row anew from the document (after New or Open).
  void Reload();
  // No rows: the document's groups are about to go.
  void Clear();
  void OnDocChanged(const DocChange& change) override;

  static KesProp* GroupOf(const QModelIndex& index);
  // The row of `group`, or an invalid index when the project has no such group.
  QModelIndex IndexOf(const KesProp* group) const;
  QModelIndex RootIndex() const;
  QModelIndex ButtonIndex(int row) const;
  // The row of the button holding `index` (itself when it is one), or -1.
  int ButtonRowOf(const QModelIndex& index) const;
  int ButtonRows() const { return static_cast<int>(buttons_.size()); }
  // The row of the item of `kind` in the button at `buttonRow`: the button
  // itself, one of its states, or one of that state's groups.
  QModelIndex ItemIn(int buttonRow, const ItemKind& kind) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  bool hasChildren(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  // The row of `button` among the buttons, or -1.
  int RowOfButton(const PropButton* button) const;
  // The row of `group` under its parent (a state in its button, a group in
  // its state), or -1.
  static int RowUnderParent(const KesProp* group);
  QModelIndex Make(int row, const KesProp* group) const;
  // Tells the views that the row at `path` and those below it show new names.
  void Relabel(const GroupPath& path);
  void RelabelBelow(const QModelIndex& parent);
  const QIcon& IconFor(int id) const;

  Doc& doc_;
  PropProject* project_ = nullptr;
  // The buttons as the rows show them, changed only between the begin and
  // end of the rows' changes.
  std::vector<PropButton*> buttons_;
  // Each button's row, made again from `buttons_` when next asked after a
  // change of the rows.
  mutable std::unordered_map<const PropButton*, int> rowOf_;
  mutable bool rowsStale_ = true;
  mutable std::map<int, QIcon> icons_;
};
