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

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/StringTable.h"
#include "ui/CommandIds.h"
#include "ui/EditCommands.h"
#include "ui/KesWndProperties.h"
#include "ui/Text.h"
#include "ui/Translations.h"

namespace {
class QuietScope {
 public:
  explicit QuietScope(int& counter) : counter_(counter) { ++counter_; }
  ~QuietScope() { --counter_; }
  QuietScope(const QuietScope&) = delete;
  QuietScope& operator=(const QuietScope&) = delete;

 private:
  int& counter_;
};
}  // namespace

ViewOutline::ViewOutline(KesApp& app, Doc& doc, KesWndProperties& properties, QWidget* parent)
    : QTreeView(parent),
      app_(app),
      doc_(doc),
      properties_(properties),
      model_(doc),
      commands_(app, doc, *this) {
  setHeaderHidden(true);
  setRootIsDecorated(true);
  setUniformRowHeights(true);
  // Ctrl+click, Shift+click and Ctrl+Space select several rows; Ctrl+A the
  // current row's siblings.
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setIconSize(QSize(16, 16));
  setExpandsOnDoubleClick(true);
  setAnimated(false);
  setMouseTracking(true);
  setModel(&model_);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          &ViewOutline::OnCurrentChanged);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          &ViewOutline::currentGroupChanged);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &ViewOutline::OnSelectionChanged);
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

void ViewOutline::Run(const std::function<void()>& command, bool onlyWhenStored) {
  if (app_.CommitPages() || !onlyWhenStored) command();
}

void ViewOutline::RunEditCommand(int id) {
  // Typing in an edit box is the box's own business; the tree's commands
  // come after the page's edits.
  if (EditBoxOf(QApplication::focusWidget()) || !HasFocus())
    commands_.RunEditCommand(id);
  else
    Run([this, id] { commands_.RunEditCommand(id); });
}

// ---------------------------------------------------------------------------
// Rows

void ViewOutline::Clear() {
  // The page goes first: the groups it edits are about to be destroyed.
  properties_.ResetView();
  shownSelection_.clear();
  QuietScope quiet(quiet_);
  model_.Clear();
}

void ViewOutline::Rebuild() {
  Clear();
  if (!doc_.project()) return;
  {
    QuietScope quiet(quiet_);
    model_.Reload();
    // Every button is open, its states closed. The rows are laid out once,
    // later; opening a button makes no rows: nobody needs to hear of it.
    const QSignalBlocker blocker(this);
    const QModelIndex root = model_.RootIndex();
    for (int row = 0; row < model_.ButtonRows(); ++row) expand(model_.ButtonIndex(row));
    expand(root);
  }
  selectionModel()->setCurrentIndex(model_.RootIndex(), QItemSelectionModel::ClearAndSelect);
}

void ViewOutline::OnDocChanged(const DocChange& change) {
  if (!model_.RootIndex().isValid()) return;
  switch (change.kind) {
    case DocChange::Kind::ButtonInserted: {
      {
        QuietScope quiet(quiet_);
        model_.OnDocChanged(change);
        expand(model_.ButtonIndex(change.index));
      }
      const QModelIndex row = model_.ButtonIndex(change.index);
      if (row.isValid())
        selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
      break;
    }
    case DocChange::Kind::ButtonRemoved: {
      // The page of a group that goes, goes first; the selection moves on.
      if (model_.ButtonRowOf(currentIndex()) == change.index) {
        const int rows = model_.ButtonRows();
        SelectForced(change.index + 1 < rows ? model_.ButtonIndex(change.index + 1)
                     : change.index > 0      ? model_.ButtonIndex(change.index - 1)
                                             : model_.RootIndex());
      }
      QuietScope quiet(quiet_);
      model_.OnDocChanged(change);
      shownSelection_.erase(
          std::remove_if(shownSelection_.begin(), shownSelection_.end(),
                         [](const QPersistentModelIndex& i) { return !i.isValid(); }),
          shownSelection_.end());
      break;
    }
    case DocChange::Kind::ButtonMoved: {
      QuietScope quiet(quiet_);
      model_.OnDocChanged(change);
      selectionModel()->setCurrentIndex(currentIndex(), QItemSelectionModel::ClearAndSelect);
      break;
    }
    case DocChange::Kind::Replaced:
      // The rows were made anew when the document was filled.
      break;
    default:
      model_.OnDocChanged(change);
      break;
  }
}

// ---------------------------------------------------------------------------
// Selection

std::vector<QModelIndex> ViewOutline::SelectedRows() const {
  const QModelIndexList list = selectionModel()->selectedIndexes();
  return std::vector<QModelIndex>(list.begin(), list.end());
}

KesProp* ViewOutline::SelectedGroup() const {
  return GroupOf(currentIndex());
}

std::vector<KesProp*> ViewOutline::SelectedGroups() const {
  std::vector<KesProp*> list;
  const QModelIndex current = currentIndex();
  if (current.isValid()) list.push_back(GroupOf(current));
  for (const QModelIndex& row : SelectedRows())
    if (row != current) list.push_back(GroupOf(row));
  return list;
}

int ViewOutline::CurrentButtonRow() const {
  return model_.ButtonRowOf(currentIndex());
}

std::vector<int> ViewOutline::SelectedButtonRows() const {
  std::vector<int> list;
  const QModelIndex root = model_.RootIndex();
  if (!root.isValid()) return list;
  for (const QModelIndex& row : SelectedRows())
    if (row.parent() == root) list.push_back(row.row());
  const QModelIndex current = currentIndex();
  if (current.parent() == root && std::find(list.begin(), list.end(), current.row()) == list.end())
    list.push_back(current.row());
  std::sort(list.begin(), list.end());
  return list;
}

void ViewOutline::SelectButtonRows(const std::vector<int>& rows) {
  {
    QuietScope quiet(quiet_);
    const QModelIndex current = currentIndex();
    clearSelection();
    for (int row : rows)
      selectionModel()->select(model_.ButtonIndex(row), QItemSelectionModel::Select);
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
  }
  OnSelectionChanged();
}

bool ViewOutline::HasFocus() const {
  return hasFocus() || QApplication::focusWidget() == this;
}

void ViewOutline::TakeFocus() {
  setFocus(Qt::OtherFocusReason);
}

bool ViewOutline::AddToSelection(KesProp* group) {
  const QModelIndex row = IndexOf(group);
  if (!row.isValid()) return false;
  if (!app_.CommitPages()) return false;
  {
    QuietScope quiet(quiet_);
    selectionModel()->select(row, QItemSelectionModel::Select);
    selectionModel()->setCurrentIndex(row, QItemSelectionModel::NoUpdate);
  }
  OnSelectionChanged();
  return selectionModel()->isSelected(row);
}

void ViewOutline::SelectSiblings() {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return;
  if (!app_.CommitPages()) return;
  const QModelIndex parent = current.parent();
  {
    QuietScope quiet(quiet_);
    const int count = model_.rowCount(parent);
    for (int i = 0; i < count; ++i)
      selectionModel()->select(model_.index(i, 0, parent), QItemSelectionModel::Select);
  }
  OnSelectionChanged();
}

void ViewOutline::ShowStatus(const std::string& text) {
  emit statusMessage(ToQ(text));
}

int ViewOutline::StateForItems() const {
  const int current = OutlineModel::KindOf(currentIndex()).state;
  if (current != GroupPath::kNoState) return current;
  return lastSelectedState_ != GroupPath::kNoState ? lastSelectedState_ : 0;
}

void ViewOutline::SelectInButtons(PropClass kind, int state) {
  const int buttons = model_.ButtonRows();
  if (buttons == 0) return;
  if (kind == PropClass::State) lastSelectedState_ = state;
  std::vector<bool> chosen(static_cast<std::size_t>(buttons), false);
  bool any = false;
  std::vector<QModelIndex> rows = SelectedRows();
  rows.push_back(currentIndex());
  for (const QModelIndex& row : rows) {
    const int b = model_.ButtonRowOf(row);
    if (b < 0) continue;
    chosen[static_cast<std::size_t>(b)] = true;
    any = true;
  }
  const OutlineModel::ItemKind wanted{kind,
                                      kind == PropClass::Button ? GroupPath::kNoState : state};
  std::vector<QModelIndex> items;
  for (int b = 0; b < buttons; ++b)
    if (!any || chosen[static_cast<std::size_t>(b)])
      if (const QModelIndex item = model_.ItemIn(b, wanted); item.isValid()) items.push_back(item);
  if (items.empty()) return;
  {
    QuietScope quiet(quiet_);
    QItemSelection selection;
    for (const QModelIndex& item : items) {
      selection.select(item, item);
      for (QModelIndex up = item.parent(); up.isValid() && !isExpanded(up); up = up.parent())
        expand(up);
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    selectionModel()->setCurrentIndex(items.front(), QItemSelectionModel::NoUpdate);
  }
  OnSelectionChanged();
  scrollTo(currentIndex());
}

void ViewOutline::KeepKindOf(const QModelIndex& clicked, const QItemSelection& before, bool added) {
  const OutlineModel::ItemKind kind = OutlineModel::KindOf(clicked);
  QItemSelection drop;
  for (const QModelIndex& row : selectionModel()->selectedIndexes())
    if (OutlineModel::KindOf(row) != kind && !(added && before.contains(row)))
      drop.select(row, row);
  selectionModel()->select(drop, QItemSelectionModel::Deselect);
}

void ViewOutline::OnSelectionChanged() {
  if (quiet_) return;
  const std::vector<KesProp*> groups = SelectedGroups();
  KesProp* primary = groups.empty() ? nullptr : groups.front();
  const std::vector<KesProp*> others(groups.size() > 1 ? groups.begin() + 1 : groups.end(),
                                     groups.end());
  if (!properties_.SetPropertyGroups(primary, others)) {
    // The open page keeps its data (it has told the user why): back to its rows.
    QuietScope quiet(quiet_);
    clearSelection();
    for (const QPersistentModelIndex& row : shownSelection_)
      selectionModel()->select(row, QItemSelectionModel::Select);
    if (!shownSelection_.empty())
      selectionModel()->setCurrentIndex(shownSelection_.front(), QItemSelectionModel::NoUpdate);
    return;
  }
  shownSelection_.clear();
  const QModelIndex current = currentIndex();
  if (current.isValid()) shownSelection_.emplace_back(current);
  for (const QModelIndex& row : SelectedRows())
    if (row != current) shownSelection_.emplace_back(row);
}

bool ViewOutline::SelectGroup(KesProp* group) {
  const QModelIndex row = IndexOf(group);
  if (!row.isValid()) return false;
  selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
  return currentIndex() == row;
}

void ViewOutline::OnCurrentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (quiet_) return;
  // A selection of several rows shows its page once the selection is made.
  if (selectionModel()->selectedIndexes().size() <= 1 &&
      !properties_.SetPropertyGroup(GroupOf(current))) {
    // The open page keeps its data (it has told the user why): back to its row.
    QuietScope quiet(quiet_);
    selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect);
    return;
  }
  setFocus(Qt::OtherFocusReason);
}

void ViewOutline::SelectForced(const QModelIndex& index) {
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  if (currentIndex() == index) return;
  properties_.ResetView();
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

// ---------------------------------------------------------------------------
// Mouse, keys, tooltips and the context menu

void ViewOutline::mousePressEvent(QMouseEvent* event) {
  // Ask the open page before the tree moves its selection, so that a refusal
  // leaves the old row selected.
  const QPoint pos = event->position().toPoint();
  const QModelIndex row = indexAt(pos);
  const bool adding = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
  if (row.isValid() && row != currentIndex() && pos.x() >= visualRect(row).left() &&
      !(adding ? app_.CommitPages() : properties_.SetPropertyGroup(GroupOf(row)))) {
    event->accept();
    return;
  }
  // Shift+click extends the selection over items of the clicked item's kind
  // only: over open buttons it takes the buttons, not their states.
  if (row.isValid() && (event->modifiers() & Qt::ShiftModifier)) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    {
      QuietScope quiet(quiet_);
      // Without Ctrl the range from the anchor replaces the selection.
      const QItemSelection before = selectionModel()->selection();
      if (!ctrl) selectionModel()->clearSelection();
      QTreeView::mousePressEvent(event);
      if (currentIndex() == row)
        KeepKindOf(row, before, ctrl);
      else if (!ctrl)
        selectionModel()->select(before, QItemSelectionModel::ClearAndSelect);
    }
    OnSelectionChanged();
    return;
  }
  QTreeView::mousePressEvent(event);
  if (const QModelIndex current = currentIndex();
      current.isValid() && !selectionModel()->hasSelection()) {
    QuietScope quiet(quiet_);
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
  }
}

void ViewOutline::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    if (commands_.CanCopy()) Run(&ButtonCommands::OnCopy);
  } else if (event->matches(QKeySequence::Cut)) {
    if (commands_.CanCut()) Run(&ButtonCommands::OnCut);
  } else if (event->matches(QKeySequence::Paste)) {
    if (commands_.CanPaste()) Run(&ButtonCommands::OnPaste);
  } else if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
    Run(&ButtonCommands::OnNewButton);
  } else if (event->matches(QKeySequence::SelectAll)) {
    SelectSiblings();
  } else if (event->key() == Qt::Key_V &&
             event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)) {
    if (commands_.CanPasteStyle()) Run(&ButtonCommands::OnPasteStyle);
  } else if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    // Asks nothing: it can be undone.
    Run(&ButtonCommands::OnDeleteButton);
  } else {
    QTreeView::keyPressEvent(event);
    return;
  }
  event->accept();
}

bool ViewOutline::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const KesProp* group = GroupOf(indexAt(help->pos()));
    if (!group) {
      QToolTip::hideText();
      emit statusPromptCleared();
      event->ignore();
      return true;
    }
    // Tooltip and status prompt of the group's page; its help page follows.
    std::string tip;
    app_.ShowContextHelp(group->GetPageId(), &tip, true);
    if (tip.empty()) tip = SplitHelpString(LoadUiString(group->GetPageId())).tooltip;
    if (!tip.empty())
      QToolTip::showText(help->globalPos(), ToQ(tip), viewport());
    else
      QToolTip::hideText();
    return true;
  }
  return QTreeView::viewportEvent(event);
}

void ViewOutline::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  auto add = [&](int id, const char* theme, const QString& text, bool enabled,
                 void (ButtonCommands::*command)()) {
    const QString file = QStringLiteral(":/icons/%1.svg").arg(id);
    const QIcon icon = QFile::exists(file) ? QIcon(file) : QIcon::fromTheme(QLatin1String(theme));
    QAction* action = menu.addAction(icon, text, this, [this, command] { Run(command); });
    action->setEnabled(enabled);
  };
  const ButtonCommands& c = commands_;
  add(kCmdNewButton, "list-add", tr("&New Button"), true, &ButtonCommands::OnNewButton);
  add(kCmdDeleteButton, "list-remove", tr("&Delete Button"), c.CanDeleteButton(),
      &ButtonCommands::OnDeleteButton);
  add(kCmdMoveUp, "go-up", tr("Move &Up"), c.CanMoveUp(), &ButtonCommands::OnMoveUp);
  add(kCmdMoveDown, "go-down", tr("Move Do&wn"), c.CanMoveDown(), &ButtonCommands::OnMoveDown);
  add(kCmdDuplicate, "edit-copy", tr("D&uplicate"), c.CanDuplicate(), &ButtonCommands::OnDuplicate);
  menu.addSeparator();
  add(kCmdEditCut, "edit-cut", tr("Cu&t"), c.CanCut(), &ButtonCommands::OnCut);
  add(kCmdEditCopy, "edit-copy", tr("&Copy"), c.CanCopy(), &ButtonCommands::OnCopy);
  add(kCmdEditPaste, "edit-paste", tr("&Paste"), c.CanPaste(), &ButtonCommands::OnPaste);
  add(kCmdPasteStyle, "edit-paste", tr("Paste &Style"), c.CanPasteStyle(),
      &ButtonCommands::OnPasteStyle);
  add(kCmdCopyToOtherStates, "edit-copy", tr("Copy to &Other States"), c.CanCopyToOtherStates(),
      &ButtonCommands::OnCopyToOtherStates);
  menu.addSeparator();
  // Undo and Redo of the document's steps, named; a page that keeps its
  // edits keeps the step too.
  const History& history = doc_.history();
  QAction* undo = menu.addAction(
      QIcon::fromTheme(QStringLiteral("edit-undo")),
      history.CanUndo() ? tr("&Undo %1").arg(StepName(history.UndoName())) : tr("&Undo"), this,
      [this] { Run([this] { doc_.Undo(); }, true); });
  undo->setEnabled(history.CanUndo());
  QAction* redo = menu.addAction(
      QIcon::fromTheme(QStringLiteral("edit-redo")),
      history.CanRedo() ? tr("&Redo %1").arg(StepName(history.RedoName())) : tr("&Redo"), this,
      [this] { Run([this] { doc_.Redo(); }, true); });
  redo->setEnabled(history.CanRedo());
  menu.exec(event->globalPos());
}
