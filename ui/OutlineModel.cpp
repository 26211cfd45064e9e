#include "ui/OutlineModel.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

#include "audio/PropAudio.h"
#include "core/Doc.h"
#include "core/Fields.h"
#include "core/Project.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"
#include "ui/OutlineIcons.h"
#include "ui/Text.h"

namespace {
constexpr int kStatesPerButton = 3;
constexpr int kGroupsPerState = 5;

using Children = std::array<KesProp*, kGroupsPerState>;

// The groups under `group`'s row when it is a button or a state, in row
// order; returns how many.
int ChildGroups(const KesProp* group, Children& out) {
  int n = 0;
  switch (group->GetClass()) {
    case PropClass::Button: {
      const auto* button = static_cast<const PropButton*>(group);
      for (int i = 0; i < kStatesPerButton; ++i)
        if (PropState* state = button->state(i)) out[static_cast<std::size_t>(n++)] = state;
      break;
    }
    case PropClass::State: {
      const auto* state = static_cast<const PropState*>(group);
      for (KesProp* g :
           {static_cast<KesProp*>(state->text.get()), static_cast<KesProp*>(state->border.get()),
            static_cast<KesProp*>(state->audio.get()), static_cast<KesProp*>(state->image.get()),
            static_cast<KesProp*>(state->advanced.get())})
        if (g) out[static_cast<std::size_t>(n++)] = g;
      break;
    }
    default:
      break;
  }
  return n;
}

// The state that holds a per-state group, or nullptr for any other group.
const PropState* StateOf(const KesProp* group) {
  switch (group->GetClass()) {
    case PropClass::Text:
      return static_cast<const PropText*>(group)->state();
    case PropClass::Border:
      return static_cast<const PropBorder*>(group)->state();
    case PropClass::Audio:
      return static_cast<const PropAudio*>(group)->state();
    case PropClass::Image:
      return static_cast<const PropImage*>(group)->state();
    case PropClass::Advanced:
      return static_cast<const PropAdvanced*>(group)->state();
    default:
      return nullptr;
  }
}

// The group whose row holds `group`'s row (a state's button, a group's
// state); nullptr for the project and buttons.
const KesProp* ParentGroup(const KesProp* group) {
  if (group->GetClass() == PropClass::State) return static_cast<const PropState*>(group)->button();
  return StateOf(group);
}
}  // namespace

OutlineModel::ItemKind OutlineModel::KindOf(const KesProp* group) {
  ItemKind kind;
  if (!group) return kind;
  kind.kind = group->GetClass();
  const PropState* state =
      kind.kind == PropClass::State ? static_cast<const PropState*>(group) : StateOf(group);
  const PropButton* button = state ? state->button() : nullptr;
  for (int s = 0; button && s < kStatesPerButton; ++s)
    if (button->state(s) == state) kind.state = s;
  return kind;
}

const PropButton* OutlineModel::ButtonOf(const KesProp* group) {
  while (group && group->GetClass() != PropClass::Button) group = ParentGroup(group);
  return static_cast<const PropButton*>(group);
}

QModelIndex OutlineModel::ItemIn(int buttonRow, const ItemKind& kind) const {
  if (buttonRow < 0 || buttonRow >= ButtonRows()) return QModelIndex();
  PropButton* button = buttons_[static_cast<std::size_t>(buttonRow)];
  if (kind.kind == PropClass::Button) return ButtonIndex(buttonRow);
  if (kind.state < 0 || kind.state >= kStatesPerButton) return QModelIndex();
  PropState* state = button->state(kind.state);
  return state ? IndexOf(Project::StateGroup(state, kind.kind)) : QModelIndex();
}

OutlineModel::OutlineModel(Doc& doc, QObject* parent) : ButtonRowsModel(parent), doc_(doc) {
  Reload();
}

void OutlineModel::Reload() {
  beginResetModel();
  project_ = doc_.project();
  buttons_ = project_ ? doc_.ButtonPointers() : std::vector<PropButton*>();
  rowsStale_ = true;
  endResetModel();
}

void OutlineModel::Clear() {
  beginResetModel();
  project_ = nullptr;
  buttons_.clear();
  rowsStale_ = true;
  endResetModel();
}

void OutlineModel::OnDocChanged(const DocChange& change) {
  if (change.kind == DocChange::Kind::Replaced) {
    Reload();
    return;
  }
  if (!project_) return;
  if (FollowButtons(doc_, change, buttons_, RootIndex(), [this] { rowsStale_ = true; })) return;
  // Positions, the modified flag and the steps show in no row.
  if (change.kind == DocChange::Kind::GroupChanged && change.Touches(field::kName))
    Relabel(change.group);
}

void OutlineModel::Relabel(const GroupPath& path) {
  const QModelIndex row =
      path.kind == PropClass::Project ? RootIndex() : IndexOf(doc_.GroupAt(path));
  if (!row.isValid()) return;
  emit dataChanged(row, row, {Qt::DisplayRole});
  RelabelBelow(row);
}

void OutlineModel::RelabelBelow(const QModelIndex& parent) {
  const int rows = rowCount(parent);
  if (rows == 0) return;
  emit dataChanged(index(0, 0, parent), index(rows - 1, 0, parent), {Qt::DisplayRole});
  // Below the project every button's rows are repainted with the buttons'.
  if (GroupOf(parent)->GetClass() == PropClass::Project) return;
  for (int i = 0; i < rows; ++i) RelabelBelow(index(i, 0, parent));
}

KesProp* OutlineModel::GroupOf(const QModelIndex& index) {
  return index.isValid() ? static_cast<KesProp*>(index.internalPointer()) : nullptr;
}

QModelIndex OutlineModel::Make(int row, const KesProp* group) const {
  return row < 0 ? QModelIndex() : createIndex(row, 0, const_cast<KesProp*>(group));
}

QModelIndex OutlineModel::RootIndex() const {
  return project_ ? Make(0, project_) : QModelIndex();
}

QModelIndex OutlineModel::ButtonIndex(int row) const {
  if (row < 0 || row >= ButtonRows()) return QModelIndex();
  return Make(row, buttons_[static_cast<std::size_t>(row)]);
}

int OutlineModel::RowOfButton(const PropButton* button) const {
  if (rowsStale_) {
    rowOf_.clear();
    rowOf_.reserve(buttons_.size());
    for (std::size_t i = 0; i < buttons_.size(); ++i) rowOf_[buttons_[i]] = static_cast<int>(i);
    rowsStale_ = false;
  }
  const auto it = rowOf_.find(button);
  return it == rowOf_.end() ? -1 : it->second;
}

int OutlineModel::RowUnderParent(const KesProp* group) {
  const KesProp* parent = ParentGroup(group);
  if (!parent) return -1;
  Children children{};
  const int n = ChildGroups(parent, children);
  for (int i = 0; i < n; ++i)
    if (children[static_cast<std::size_t>(i)] == group) return i;
  return -1;
}

QModelIndex OutlineModel::IndexOf(const KesProp* group) const {
  if (!group || !project_) return QModelIndex();
  switch (group->GetClass()) {
    case PropClass::Project:
      return group == project_ ? RootIndex() : QModelIndex();
    case PropClass::Button:
      return ButtonIndex(RowOfButton(static_cast<const PropButton*>(group)));
    default: {
      // A state's or a group's row, when its button is one of the rows.
      const KesProp* button = ParentGroup(group);
      if (button && button->GetClass() != PropClass::Button) button = ParentGroup(button);
      if (!button || RowOfButton(static_cast<const PropButton*>(button)) < 0) return QModelIndex();
      return Make(RowUnderParent(group), group);
    }
  }
}

int OutlineModel::ButtonRowOf(const QModelIndex& index) const {
  for (QModelIndex i = index; i.isValid(); i = i.parent())
    if (GroupOf(i)->GetClass() == PropClass::Button) return i.row();
  return -1;
}

QModelIndex OutlineModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0 || !project_) return QModelIndex();
  if (!parent.isValid()) return row == 0 ? RootIndex() : QModelIndex();
  const KesProp* group = GroupOf(parent);
  if (group == project_) return ButtonIndex(row);
  Children children{};
  if (row >= ChildGroups(group, children)) return QModelIndex();
  return Make(row, children[static_cast<std::size_t>(row)]);
}

QModelIndex OutlineModel::parent(const QModelIndex& child) const {
  const KesProp* group = GroupOf(child);
  if (!group || group == project_) return QModelIndex();
  if (group->GetClass() == PropClass::Button) return RootIndex();
  const KesProp* parent = ParentGroup(group);
  if (!parent) return QModelIndex();
  if (parent->GetClass() == PropClass::Button)
    return ButtonIndex(RowOfButton(static_cast<const PropButton*>(parent)));
  return Make(RowUnderParent(parent), parent);
}

int OutlineModel::rowCount(const QModelIndex& parent) const {
  if (!project_ || parent.column() > 0) return 0;
  if (!parent.isValid()) return 1;
  const KesProp* group = GroupOf(parent);
  if (group == project_) return ButtonRows();
  Children children{};
  return ChildGroups(group, children);
}

int OutlineModel::columnCount(const QModelIndex&) const {
  return 1;
}

bool OutlineModel::hasChildren(const QModelIndex& parent) const {
  return rowCount(parent) > 0;
}

const QIcon& OutlineModel::IconFor(int id) const {
  auto it = icons_.find(id);
  if (it == icons_.end()) it = icons_.emplace(id, TreeIcon(id)).first;
  return it->second;
}

namespace {
// The project, the states and the items are named by the program, so they are
// shown in the user's language; buttons carry the names their user gave them.
const char* const kFixedNames[] = {
    QT_TRANSLATE_NOOP("Outline", "Project"),  QT_TRANSLATE_NOOP("Outline", "Up"),
    QT_TRANSLATE_NOOP("Outline", "Over"),     QT_TRANSLATE_NOOP("Outline", "Down"),
    QT_TRANSLATE_NOOP("Outline", "Text"),     QT_TRANSLATE_NOOP("Outline", "Border"),
    QT_TRANSLATE_NOOP("Outline", "Audio"),    QT_TRANSLATE_NOOP("Outline", "Image"),
    QT_TRANSLATE_NOOP("Outline", "Advanced"),
};

QString FixedName(const KesProp& group) {
  for (const char* name : kFixedNames)
    if (group.name == name) return QCoreApplication::translate("Outline", name);
  return ToQ(group.name);
}
}  // namespace

QVariant OutlineModel::data(const QModelIndex& index, int role) const {
  const KesProp* group = GroupOf(index);
  if (!group) return QVariant();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return group->GetClass() == PropClass::Button ? ToQ(group->name) : FixedName(*group);
    case Qt::DecorationRole:
      return IconFor(group->icon);
    case kGroupRole:
      return QVariant::fromValue(static_cast<void*>(const_cast<KesProp*>(group)));
    default:
      return QVariant();
  }
}

Qt::ItemFlags OutlineModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}
