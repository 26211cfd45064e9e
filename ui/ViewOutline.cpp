#include "ui/ViewOutline.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <tuple>

#include "audio/PropAudio.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "core/StringTable.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"
#include "ui/CommandIds.h"
#include "ui/EditCommands.h"
#include "ui/KesWndProperties.h"
#include "ui/OutlineIcons.h"
#include "ui/Text.h"

namespace {
constexpr int kGroupRole = Qt::UserRole + 1;
constexpr int kOutlineItemType = QTreeWidgetItem::UserType + 1;

// An item that holds its group, label and icon as plain members and answers
// the view from them, so that the nineteen items of every button store no
// variant lists of their own. Labels and icons are shared between items.
class OutlineItem : public QTreeWidgetItem {
 public:
  OutlineItem(KesProp* group, QString label, QIcon icon)
      : QTreeWidgetItem(kOutlineItemType),
        group_(group),
        label_(std::move(label)),
        icon_(std::move(icon)) {}

  KesProp* group() const { return group_; }

  QVariant data(int column, int role) const override {
    if (column == 0) {
      switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
          return label_;
        case Qt::DecorationRole:
          return icon_;
        case kGroupRole:
          return QVariant::fromValue(static_cast<void*>(group_));
        default:
          break;
      }
    }
    return QTreeWidgetItem::data(column, role);
  }

  void setData(int column, int role, const QVariant& value) override {
    if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole)) {
      label_ = value.toString();
      emitDataChanged();
    } else if (column == 0 && role == Qt::DecorationRole) {
      icon_ = value.value<QIcon>();
      emitDataChanged();
    } else if (column == 0 && role == kGroupRole) {
      group_ = static_cast<KesProp*>(value.value<void*>());
    } else {
      QTreeWidgetItem::setData(column, role, value);
    }
  }

 private:
  KesProp* group_;
  QString label_;
  QIcon icon_;
};

class QuietScope {
 public:
  explicit QuietScope(int& counter) : counter_(counter) { ++counter_; }
  ~QuietScope() { --counter_; }
  QuietScope(const QuietScope&) = delete;
  QuietScope& operator=(const QuietScope&) = delete;

 private:
  int& counter_;
};

// Visits `item` and everything below it, each item before its children.
void ForEachItem(QTreeWidgetItem* item, const std::function<void(QTreeWidgetItem*)>& visit) {
  if (!item) return;
  visit(item);
  for (int i = 0; i < item->childCount(); ++i) ForEachItem(item->child(i), visit);
}
}  // namespace

ViewOutline::ViewOutline(KesApp& app, Doc& doc, KesWndProperties& properties, QWidget* parent)
    : QTreeWidget(parent), app_(app), doc_(doc), properties_(properties) {
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(true);
  setUniformRowHeights(true);
  // Ctrl+click, Shift+click and Ctrl+Space select several items; Ctrl+A the
  // current item's siblings.
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setIconSize(QSize(16, 16));
  setExpandsOnDoubleClick(true);
  setAnimated(false);
  setMouseTracking(true);
  connect(this, &QTreeWidget::currentItemChanged, this, &ViewOutline::OnCurrentItemChanged);
  connect(this, &QTreeWidget::itemSelectionChanged, this, &ViewOutline::OnSelectionChanged);
  connect(this, &QTreeWidget::itemExpanded, this, &ViewOutline::PopulateState);
  doc_.AddView(this);
  doc_.AddListener(this);
  if (doc_.project()) Rebuild();
}

ViewOutline::~ViewOutline() {
  doc_.RemoveListener(this);
  doc_.RemoveView(this);
}

void ViewOutline::OnUpdate(int hint) {
  if (hint == kHintReset) Clear();
  if (hint == kHintFilled) Rebuild();
}

// ---------------------------------------------------------------------------
// Items

const QIcon& ViewOutline::IconFor(int id) {
  auto it = icons_.find(id);
  if (it == icons_.end()) it = icons_.emplace(id, TreeIcon(id)).first;
  return it->second;
}

KesProp* ViewOutline::GroupOf(const QTreeWidgetItem* item) {
  if (!item) return nullptr;
  if (item->type() == kOutlineItemType) return static_cast<const OutlineItem*>(item)->group();
  return static_cast<KesProp*>(item->data(0, kGroupRole).value<void*>());
}

const QString& ViewOutline::SharedLabel(const std::string& name) {
  auto it = labels_.find(name);
  if (it == labels_.end()) it = labels_.emplace(name, ToQ(name)).first;
  return it->second;
}

QTreeWidgetItem* ViewOutline::MakeItem(KesProp* group) {
  return new OutlineItem(group, ToQ(group->name), IconFor(group->icon));
}

QTreeWidgetItem* ViewOutline::MakeButtonItem(PropButton* button) {
  QTreeWidgetItem* item = MakeItem(button);
  // The items are gathered first and handed over together.
  QList<QTreeWidgetItem*> states;
  for (int i = 0; i < 3; ++i) {
    PropState* state = button->state(i);
    if (!state) continue;
    // States and groups share their few labels.
    QTreeWidgetItem* stateItem =
        new OutlineItem(state, SharedLabel(state->name), IconFor(state->icon));
    if (lazyGroups_)
      stateItem->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    else
      PopulateState(stateItem);
    states.append(stateItem);
  }
  item->addChildren(states);
  return item;
}

void ViewOutline::PopulateState(QTreeWidgetItem* stateItem) {
  KesProp* group = GroupOf(stateItem);
  if (!group || group->GetClass() != PropClass::State || stateItem->childCount() > 0) return;
  auto* state = static_cast<PropState*>(group);
  QList<QTreeWidgetItem*> groups;
  for (KesProp* g :
       {static_cast<KesProp*>(state->text.get()), static_cast<KesProp*>(state->border.get()),
        static_cast<KesProp*>(state->audio.get()), static_cast<KesProp*>(state->image.get()),
        static_cast<KesProp*>(state->advanced.get())})
    if (g) groups.append(new OutlineItem(g, SharedLabel(g->name), IconFor(g->icon)));
  stateItem->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
  stateItem->addChildren(groups);
}

namespace {
// The state that holds a per-state group, or nullptr for any other group.
const PropState* StateOf(const KesProp* group) {
  switch (group ? group->GetClass() : PropClass::None) {
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
}  // namespace

QTreeWidgetItem* ViewOutline::Root() const {
  return topLevelItem(0);
}

QTreeWidgetItem* ViewOutline::ItemOf(const KesProp* group) const {
  QTreeWidgetItem* found = nullptr;
  ForEachItem(Root(), [&](QTreeWidgetItem* item) {
    if (!found && GroupOf(item) == group) found = item;
  });
  if (found || !lazyGroups_) return found;
  // A group whose state has not been opened yet: its items are made now.
  const PropState* state = StateOf(group);
  QTreeWidgetItem* stateItem = state ? ItemOf(state) : nullptr;
  if (!stateItem || stateItem->childCount() > 0) return nullptr;
  const_cast<ViewOutline*>(this)->PopulateState(stateItem);
  for (int i = 0; i < stateItem->childCount(); ++i)
    if (GroupOf(stateItem->child(i)) == group) return stateItem->child(i);
  return nullptr;
}

QTreeWidgetItem* ViewOutline::ButtonItemOf(QTreeWidgetItem* item) const {
  QTreeWidgetItem* root = Root();
  while (item && item->parent() != root) item = item->parent();
  return item == root ? nullptr : item;
}

int ViewOutline::SelectedButtonIndex() const {
  QTreeWidgetItem* item = currentItem();
  QTreeWidgetItem* root = Root();
  if (!item || !root || item->parent() != root) return -1;
  return root->indexOfChild(item);
}

PropButton* ViewOutline::SelectedButton() const {
  const int i = SelectedButtonIndex();
  return i < 0 ? nullptr : static_cast<PropButton*>(GroupOf(Root()->child(i)));
}

KesProp* ViewOutline::SelectedGroup() const {
  return GroupOf(currentItem());
}

std::vector<KesProp*> ViewOutline::SelectedGroups() const {
  std::vector<KesProp*> list;
  QTreeWidgetItem* current = currentItem();
  if (current) list.push_back(GroupOf(current));
  for (QTreeWidgetItem* item : selectedItems())
    if (item != current) list.push_back(GroupOf(item));
  return list;
}

std::vector<int> ViewOutline::SelectedButtonIndices() const {
  std::vector<int> list;
  QTreeWidgetItem* root = Root();
  if (!root) return list;
  for (QTreeWidgetItem* item : selectedItems())
    if (item->parent() == root) list.push_back(root->indexOfChild(item));
  const int current = SelectedButtonIndex();
  if (current >= 0 && std::find(list.begin(), list.end(), current) == list.end())
    list.push_back(current);
  std::sort(list.begin(), list.end());
  return list;
}

bool ViewOutline::AddToSelection(KesProp* group) {
  QTreeWidgetItem* item = ItemOf(group);
  if (!item) return false;
  if (!app_.CommitPages()) return false;
  {
    QuietScope quiet(quiet_);
    item->setSelected(true);
    setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
  }
  OnSelectionChanged();
  return item->isSelected();
}

void ViewOutline::SelectSiblings() {
  QTreeWidgetItem* current = currentItem();
  if (!current) return;
  if (!app_.CommitPages()) return;
  QTreeWidgetItem* parent = current->parent();
  {
    QuietScope quiet(quiet_);
    const int count = parent ? parent->childCount() : topLevelItemCount();
    for (int i = 0; i < count; ++i)
      (parent ? parent->child(i) : topLevelItem(i))->setSelected(true);
  }
  OnSelectionChanged();
}

void ViewOutline::OnSelectionChanged() {
  if (quiet_) return;
  const std::vector<KesProp*> groups = SelectedGroups();
  KesProp* primary = groups.empty() ? nullptr : groups.front();
  const std::vector<KesProp*> others(groups.size() > 1 ? groups.begin() + 1 : groups.end(),
                                     groups.end());
  if (!properties_.SetPropertyGroups(primary, others)) {
    // The open page keeps its data (it has told the user why): back to its items.
    QuietScope quiet(quiet_);
    clearSelection();
    for (QTreeWidgetItem* item : shownSelection_) item->setSelected(true);
    if (!shownSelection_.empty())
      setCurrentItem(shownSelection_.front(), 0, QItemSelectionModel::NoUpdate);
    return;
  }
  shownSelection_.clear();
  if (QTreeWidgetItem* current = currentItem()) shownSelection_.push_back(current);
  for (QTreeWidgetItem* item : selectedItems())
    if (item != currentItem()) shownSelection_.push_back(item);
}

bool ViewOutline::SelectGroup(KesProp* group) {
  QTreeWidgetItem* item = ItemOf(group);
  if (!item) return false;
  setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
  return currentItem() == item;
}

void ViewOutline::Clear() {
  // The page goes first: the groups it edits are about to be destroyed.
  properties_.ResetView();
  shownSelection_.clear();
  QuietScope quiet(quiet_);
  clear();
  labels_.clear();
}

void ViewOutline::Rebuild() {
  Clear();
  PropProject* project = doc_.project();
  if (!project) return;
  QTreeWidgetItem* root = MakeItem(project);
  // In a large project the items of a state's groups are made when the state
  // is first opened.
  lazyGroups_ = doc_.ButtonCount() > kEagerButtons;
  // The whole tree is put together before it goes into the view, which then
  // takes it in one step.
  QList<QTreeWidgetItem*> buttons;
  buttons.reserve(static_cast<qsizetype>(doc_.ButtonCount()));
  for (const auto& button : doc_.buttons()) buttons.append(MakeButtonItem(button.get()));
  root->addChildren(buttons);
  {
    QuietScope quiet(quiet_);
    addTopLevelItem(root);
    // The buttons are opened by their rows: an item finds its own row by
    // searching its parent's children, which for every button of a large
    // project would cost as much as all the rest of the tree.
    // Opening a button makes no items: nobody needs to hear of it.
    const QSignalBlocker blocker(this);
    const QModelIndex rootIndex = indexFromItem(root);
    for (int row = 0; row < buttons.size(); ++row) expand(model()->index(row, 0, rootIndex));
    expand(rootIndex);
  }
  setCurrentItem(root, 0, QItemSelectionModel::ClearAndSelect);
}

// ---------------------------------------------------------------------------
// Selection

void ViewOutline::OnCurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
  if (quiet_) return;
  // A selection of several items shows its page once the selection is made.
  if (selectedItems().size() <= 1 && !properties_.SetPropertyGroup(GroupOf(current))) {
    // The open page keeps its data (it has told the user why): back to its item.
    QuietScope quiet(quiet_);
    setCurrentItem(previous, 0, QItemSelectionModel::ClearAndSelect);
    return;
  }
  setFocus(Qt::OtherFocusReason);
}

void ViewOutline::SelectForced(QTreeWidgetItem* item) {
  setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
  if (currentItem() == item) return;
  properties_.ResetView();
  setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
}

void ViewOutline::mousePressEvent(QMouseEvent* event) {
  // Ask the open page before the tree moves its selection, so that a refusal
  // leaves the old item selected.
  const QPoint pos = event->position().toPoint();
  QTreeWidgetItem* item = itemAt(pos);
  const bool adding = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
  if (item && item != currentItem() && pos.x() >= visualItemRect(item).left() &&
      !(adding ? app_.CommitPages() : properties_.SetPropertyGroup(GroupOf(item)))) {
    event->accept();
    return;
  }
  QTreeWidget::mousePressEvent(event);
  if (QTreeWidgetItem* current = currentItem(); current && selectedItems().isEmpty()) {
    QuietScope quiet(quiet_);
    setCurrentItem(current, 0, QItemSelectionModel::ClearAndSelect);
  }
}

void ViewOutline::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    if (CanCopy()) OnCopy();
  } else if (event->matches(QKeySequence::Cut)) {
    if (CanCut()) OnCut();
  } else if (event->matches(QKeySequence::Paste)) {
    if (CanPaste()) OnPaste();
  } else if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
    OnNewButton();
  } else if (event->matches(QKeySequence::SelectAll)) {
    SelectSiblings();
  } else if (event->key() == Qt::Key_V &&
             event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)) {
    if (CanPasteStyle()) OnPasteStyle();
  } else if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    // Asks nothing: it can be undone.
    OnDeleteButton();
  } else {
    QTreeWidget::keyPressEvent(event);
    return;
  }
  event->accept();
}

bool ViewOutline::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const KesProp* group = GroupOf(itemAt(help->pos()));
    if (!group) {
      QToolTip::hideText();
      emit statusPromptCleared();
      event->ignore();
      return true;
    }
    // Tooltip and status prompt of the group's page; its help page follows.
    std::string tip;
    app_.ShowContextHelp(group->GetPageId(), &tip, true);
    if (tip.empty()) tip = SplitHelpString(LoadString(group->GetPageId())).tooltip;
    if (!tip.empty())
      QToolTip::showText(help->globalPos(), ToQ(tip), viewport());
    else
      QToolTip::hideText();
    return true;
  }
  return QTreeWidget::viewportEvent(event);
}

void ViewOutline::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  auto add = [&](int id, const char* theme, const QString& text, bool enabled,
                 void (ViewOutline::*command)()) {
    const QString file = QStringLiteral(":/icons/%1.svg").arg(id);
    const QIcon icon = QFile::exists(file) ? QIcon(file) : QIcon::fromTheme(QLatin1String(theme));
    QAction* action = menu.addAction(icon, text, this, command);
    action->setEnabled(enabled);
  };
  add(kCmdNewButton, "list-add", tr("&New Button"), true, &ViewOutline::OnNewButton);
  add(kCmdDeleteButton, "list-remove", tr("&Delete Button"), CanDeleteButton(),
      &ViewOutline::OnDeleteButton);
  add(kCmdMoveUp, "go-up", tr("Move &Up"), CanMoveUp(), &ViewOutline::OnMoveUp);
  add(kCmdMoveDown, "go-down", tr("Move Do&wn"), CanMoveDown(), &ViewOutline::OnMoveDown);
  add(kCmdDuplicate, "edit-copy", tr("D&uplicate"), CanDuplicate(), &ViewOutline::OnDuplicate);
  menu.addSeparator();
  add(kCmdEditCut, "edit-cut", tr("Cu&t"), CanCut(), &ViewOutline::OnCut);
  add(kCmdEditCopy, "edit-copy", tr("&Copy"), CanCopy(), &ViewOutline::OnCopy);
  add(kCmdEditPaste, "edit-paste", tr("&Paste"), CanPaste(), &ViewOutline::OnPaste);
  add(kCmdPasteStyle, "edit-paste", tr("Paste &Style"), CanPasteStyle(),
      &ViewOutline::OnPasteStyle);
  add(kCmdCopyToOtherStates, "edit-copy", tr("Copy to &Other States"), CanCopyToOtherStates(),
      &ViewOutline::OnCopyToOtherStates);
  menu.addSeparator();
  // Undo and Redo of the document's steps, named.
  const History& history = doc_.history();
  QAction* undo = menu.addAction(
      QIcon::fromTheme(QStringLiteral("edit-undo")),
      history.CanUndo() ? tr("&Undo %1").arg(ToQ(history.UndoName())) : tr("&Undo"), this, [this] {
        if (app_.CommitPages()) doc_.Undo();
      });
  undo->setEnabled(history.CanUndo());
  QAction* redo = menu.addAction(
      QIcon::fromTheme(QStringLiteral("edit-redo")),
      history.CanRedo() ? tr("&Redo %1").arg(ToQ(history.RedoName())) : tr("&Redo"), this, [this] {
        if (app_.CommitPages()) doc_.Redo();
      });
  redo->setEnabled(history.CanRedo());
  menu.exec(event->globalPos());
}

// ---------------------------------------------------------------------------
// Buttons commands: each is one step of the document's; the rows follow in
// OnDocChanged.

void ViewOutline::OnDocChanged(const DocChange& change) {
  QTreeWidgetItem* root = Root();
  if (!root) return;
  switch (change.kind) {
    case DocChange::Kind::ButtonInserted: {
      auto* button = static_cast<PropButton*>(
          doc_.GroupAt({change.index, GroupPath::kNoState, PropClass::Button}));
      if (!button) return;
      QTreeWidgetItem* item = MakeButtonItem(button);
      {
        QuietScope quiet(quiet_);
        root->insertChild(change.index, item);
        item->setExpanded(true);
      }
      setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
      break;
    }
    case DocChange::Kind::ButtonRemoved: {
      QTreeWidgetItem* item = root->child(change.index);
      if (!item) return;
      // The page of a group that goes, goes first; the selection moves on.
      if (ButtonItemOf(currentItem()) == item) {
        QTreeWidgetItem* next = change.index + 1 < root->childCount()
                                    ? root->child(change.index + 1)
                                : change.index > 0 ? root->child(change.index - 1)
                                                   : root;
        SelectForced(next);
      }
      QuietScope quiet(quiet_);
      shownSelection_.erase(
          std::remove_if(shownSelection_.begin(), shownSelection_.end(),
                         [&](QTreeWidgetItem* i) { return ButtonItemOf(i) == item; }),
          shownSelection_.end());
      delete root->takeChild(change.index);
      break;
    }
    case DocChange::Kind::ButtonMoved: {
      QTreeWidgetItem* item = root->child(change.index);
      if (!item) return;
      const bool current = ButtonItemOf(currentItem()) == item;
      QTreeWidgetItem* selected = currentItem();
      std::vector<std::pair<QTreeWidgetItem*, bool>> expanded;
      ForEachItem(item, [&](QTreeWidgetItem* i) { expanded.emplace_back(i, i->isExpanded()); });
      QuietScope quiet(quiet_);
      root->takeChild(change.index);
      root->insertChild(change.to, item);
      for (auto& [i, open] : expanded) i->setExpanded(open);
      setCurrentItem(current ? selected : currentItem(), 0, QItemSelectionModel::ClearAndSelect);
      break;
    }
    case DocChange::Kind::GroupChanged:
      // The rows show the groups' names: other fields leave them.
      if (change.Touches("name")) Relabel(change.group);
      break;
    default:
      break;
  }
}

void ViewOutline::Relabel(const GroupPath& path) {
  QTreeWidgetItem* item = ItemOf(doc_.GroupAt(path));
  if (path.kind == PropClass::Project) item = Root();
  ForEachItem(item, [](QTreeWidgetItem* i) {
    const KesProp* g = GroupOf(i);
    if (g && !g->name.empty() && i->text(0) != ToQ(g->name)) i->setText(0, ToQ(g->name));
  });
}

void ViewOutline::OnNewButton() {
  QTreeWidgetItem* root = Root();
  if (!root || !doc_.project()) return;
  // Right after the button holding the selection; with the project item or
  // nothing selected, last.
  QTreeWidgetItem* containing = ButtonItemOf(currentItem());
  const int index = containing ? root->indexOfChild(containing) + 1 : root->childCount();
  app_.CommitPages();
  doc_.AddNewButton(index);
}

bool ViewOutline::CanDeleteButton() const {
  const std::vector<int> selected = SelectedButtonIndices();
  return !selected.empty() && doc_.ButtonCount() > selected.size();
}

void ViewOutline::OnDeleteButton() {
  if (!CanDeleteButton()) return;
  const std::vector<int> selected = SelectedButtonIndices();
  // The page's last edits are a step of their own, undone apart.
  app_.CommitPages();
  doc_.DeleteButtonsAt(selected);
  setFocus(Qt::OtherFocusReason);
}

bool ViewOutline::CanMoveUp() const {
  const std::vector<int> selected = SelectedButtonIndices();
  return !selected.empty() && selected.front() > 0;
}

bool ViewOutline::CanMoveDown() const {
  const std::vector<int> selected = SelectedButtonIndices();
  return !selected.empty() && selected.back() + 1 < Root()->childCount();
}

void ViewOutline::MoveSelected(int delta) {
  const std::vector<int> selected = SelectedButtonIndices();
  QTreeWidgetItem* root = Root();
  std::vector<QTreeWidgetItem*> items;
  for (int i : selected) items.push_back(root->child(i));
  QTreeWidgetItem* current = currentItem();
  app_.CommitPages();
  if (!doc_.MoveButtonsBy(selected, delta)) return;
  // The moved rows stay selected.
  if (items.size() > 1) {
    {
      QuietScope quiet(quiet_);
      clearSelection();
      for (QTreeWidgetItem* item : items) item->setSelected(true);
      setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    }
    OnSelectionChanged();
  }
  setFocus(Qt::OtherFocusReason);
}

void ViewOutline::OnMoveUp() {
  if (CanMoveUp()) MoveSelected(-1);
}

void ViewOutline::OnMoveDown() {
  if (CanMoveDown()) MoveSelected(1);
}

bool ViewOutline::CanDuplicate() const {
  return !SelectedButtonIndices().empty();
}

void ViewOutline::OnDuplicate() {
  const std::vector<int> selected = SelectedButtonIndices();
  if (selected.empty()) return;
  // What the page shows is what is copied.
  app_.CommitPages();
  doc_.DuplicateButtonsAt(selected);
}

// ---------------------------------------------------------------------------
// Clipboard commands

bool ViewOutline::CanCopy() const {
  return !SelectedOfOneKind().empty();
}

bool ViewOutline::CanCut() const {
  const std::vector<KesProp*> groups = SelectedOfOneKind();
  return !groups.empty() && groups.front()->GetClass() == PropClass::Button;
}

bool ViewOutline::CanPaste() const {
  const std::vector<KesProp*> groups = SelectedOfOneKind();
  const KesProp* group = groups.empty() ? nullptr : groups.front();
  return group && app_.lastCopiedClass != PropClass::None &&
         group->GetClass() == app_.lastCopiedClass &&
         app_.platform().ClipboardHasData(KesApp::kGroupClipboardFormat);
}

bool ViewOutline::CanEdit(int id) const {
  switch (id) {
    case kCmdEditCopy:
      return CanCopy();
    case kCmdEditCut:
      return CanCut();
    case kCmdEditPaste:
      return CanPaste();
    default:
      return false;
  }
}

std::vector<KesProp*> ViewOutline::SelectedOfOneKind() const {
  std::vector<KesProp*> groups = SelectedGroups();
  groups.erase(std::remove(groups.begin(), groups.end(), nullptr), groups.end());
  for (const KesProp* g : groups)
    if (g->GetClass() != groups.front()->GetClass()) return {};
  return groups;
}

std::string ViewOutline::CopySelected() {
  const std::vector<KesProp*> groups = SelectedOfOneKind();
  if (groups.empty()) return std::string();
  // What the page shows is what is copied.
  app_.CommitPages();
  std::string bytes = Doc::CopyGroup(*groups.front());
  if (!app_.platform().SetClipboardData(KesApp::kGroupClipboardFormat, bytes)) {
    app_.platform().MessageBox(msg::kClipboardFailed, MsgButtons::Ok, MsgIcon::Exclamation);
    return std::string();
  }
  // Several items go along in tree order, so that a paste onto as many
  // gives each its own.
  std::vector<std::pair<GroupPath, std::string>> all;
  for (KesProp* g : groups) all.push_back({doc_.PathOf(g), Doc::CopyGroup(*g)});
  std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
    return std::tie(a.first.button, a.first.state) < std::tie(b.first.button, b.first.state);
  });
  std::vector<std::string> list;
  for (auto& entry : all) list.push_back(std::move(entry.second));
  if (groups.size() > 1)
    app_.platform().AddClipboardData(KesApp::kGroupListClipboardFormat, Doc::JoinGroups(list));
  app_.lastCopiedClass = groups.front()->GetClass();
  return bytes;
}

void ViewOutline::OnCopy() {
  if (CanCopy()) CopySelected();
}

void ViewOutline::OnCut() {
  if (!CanCut()) return;
  const std::vector<int> selected = SelectedButtonIndices();
  // A button that could not go to the clipboard stays.
  if (CopySelected().empty()) return;
  doc_.DeleteButtonsAt(selected, "Cut");
}

void ViewOutline::OnPaste() {
  // The open page hands over its edits; its answer does not stop the paste.
  app_.CommitPages();
  const std::vector<KesProp*> groups = SelectedOfOneKind();
  if (groups.empty() || app_.lastCopiedClass == PropClass::None ||
      groups.front()->GetClass() != app_.lastCopiedClass)
    return;
  std::vector<GroupPath> paths;
  for (KesProp* g : groups) paths.push_back(doc_.PathOf(g));
  // What is too large or does not read as groups of this kind is refused.
  doc_.PasteFromClipboard(std::move(paths), false);
}

bool ViewOutline::CanPasteStyle() const {
  const std::vector<KesProp*> groups = SelectedOfOneKind();
  return !groups.empty() && app_.lastCopiedClass != PropClass::None &&
         app_.lastCopiedClass != PropClass::Project &&
         groups.front()->GetClass() == app_.lastCopiedClass &&
         app_.platform().ClipboardHasData(KesApp::kGroupClipboardFormat);
}

void ViewOutline::OnPasteStyle() {
  if (!CanPasteStyle()) return;
  app_.CommitPages();
  std::vector<GroupPath> paths;
  for (KesProp* g : SelectedOfOneKind()) paths.push_back(doc_.PathOf(g));
  doc_.PasteFromClipboard(std::move(paths), true);
}

bool ViewOutline::CanCopyToOtherStates() const {
  const std::vector<KesProp*> groups = SelectedOfOneKind();
  return !groups.empty() && groups.front()->GetClass() != PropClass::Project &&
         groups.front()->GetClass() != PropClass::Button;
}

void ViewOutline::OnCopyToOtherStates() {
  if (!CanCopyToOtherStates()) return;
  app_.CommitPages();
  std::vector<GroupPath> paths;
  for (KesProp* g : SelectedOfOneKind()) paths.push_back(doc_.PathOf(g));
  doc_.CopyToOtherStates(paths);
}

// ---------------------------------------------------------------------------
// Editing commands

bool ViewOutline::TreeHasFocus() const {
  return hasFocus() || QApplication::focusWidget() == this;
}

bool ViewOutline::IsEditCommandEnabled(int id) const {
  if (QWidget* edit = EditBoxOf(QApplication::focusWidget()))
    return EditBoxCommandEnabled(edit, id);
  return TreeHasFocus() && CanEdit(id);
}

void ViewOutline::RunEditCommand(int id) {
  if (QWidget* edit = EditBoxOf(QApplication::focusWidget())) {
    RunEditBoxCommand(edit, id);
    return;
  }
  if (!TreeHasFocus()) return;
  switch (id) {
    case kCmdEditCopy:
      OnCopy();
      break;
    case kCmdEditCut:
      OnCut();
      break;
    case kCmdEditPaste:
      if (CanPaste()) OnPaste();
      break;
    default:
      break;
  }
}
