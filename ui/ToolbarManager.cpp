#include "ui/ToolbarManager.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMainWindow>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <memory>
#include <set>

#include "core/Platform.h"
#include "ui/Commands.h"
#include "ui/Text.h"

namespace {
const QSize kSmallImages(16, 15);
const QSize kLargeImages(40, 32);
const QSize kEmptyBarSize(40, 28);
const QString kCustomPrefix = QStringLiteral("Custom");
// The default bars' titles, in the order of Groups(); their keys stay English.
const char* const kDefaultTitles[] = {QT_TRANSLATE_NOOP("ToolbarManager", "Buttons"),
                                      QT_TRANSLATE_NOOP("ToolbarManager", "Project")};

bool IsKnownCommand(int id) {
  for (const CommandGroup& g : ToolbarManager::Groups())
    if (std::find(g.commands.begin(), g.commands.end(), id) != g.commands.end()) return true;
  return false;
}

// "40128,40132" -> the known commands, each once.
std::vector<int> ParseCommands(const std::string& text) {
  std::vector<int> out;
  const QStringList parts = QString::fromStdString(text).split(',', Qt::SkipEmptyParts);
  for (const QString& p : parts) {
    bool ok = false;
    const int id = p.trimmed().toInt(&ok);
    if (ok && IsKnownCommand(id) && std::find(out.begin(), out.end(), id) == out.end())
      out.push_back(id);
  }
  return out;
}

bool IsInputEvent(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}
}  // namespace

ToolbarManager::ToolbarManager(QMainWindow& frame, std::function<QAction*(int)> action,
                               QObject* tipFilter)
    : QObject(&frame), frame_(frame), action_(std::move(action)), tipFilter_(tipFilter) {}

ToolbarManager::~ToolbarManager() {
  if (customizing_) qApp->removeEventFilter(this);
}

const std::vector<CommandGroup>& ToolbarManager::Groups() {
  static const std::vector<CommandGroup> groups = {
      {QStringLiteral("Buttons"), BarCommands(CommandBar::kButtons)},
      {QStringLiteral("Project"), BarCommands(CommandBar::kProject)},
  };
  return groups;
}

std::vector<int> ToolbarManager::DefaultCommands(const QString& key) {
  for (const CommandGroup& g : Groups())
    if (g.name == key) return g.commands;
  return {};
}

void ToolbarManager::CreateDefaults() {
  const std::vector<CommandGroup>& groups = Groups();
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const CommandGroup& g = groups[i];
    if (bar(g.name)) continue;
    SetCommands(MakeBar(g.name, i < std::size(kDefaultTitles) ? tr(kDefaultTitles[i]) : g.name),
                g.commands);
  }
}

QToolBar* ToolbarManager::bar(const QString& key) const {
  for (QToolBar* b : bars_)
    if (b->objectName() == key) return b;
  return nullptr;
}

bool ToolbarManager::IsCustom(const QToolBar* b) const {
  return b && DefaultCommands(b->objectName()).empty();
}

std::vector<int> ToolbarManager::Commands(const QToolBar* b) const {
  std::vector<int> out;
  if (!b) return out;
  for (QAction* a : b->actions()) out.push_back(a->data().toInt());
  return out;
}

QToolBar* ToolbarManager::MakeBar(const QString& key, const QString& name) {
  auto* b = new QToolBar(name, &frame_);
  b->setObjectName(key);
  b->setAllowedAreas(Qt::AllToolBarAreas);
  b->setIconSize(large_ ? kLargeImages : kSmallImages);
  b->setAcceptDrops(customizing_);
  frame_.addToolBar(Qt::TopToolBarArea, b);
  bars_.push_back(b);
  return b;
}

void ToolbarManager::Prepare(QToolBar* b) {
  // An empty user bar keeps an area to drop commands on.
  b->setMinimumSize(b->actions().isEmpty() ? kEmptyBarSize : QSize(0, 0));
  for (QAction* a : b->actions()) {
    auto* button = qobject_cast<QToolButton*>(b->widgetForAction(a));
    if (!button) continue;
    button->setAutoRaise(cool_);
    if (tipFilter_) button->installEventFilter(tipFilter_);
  }
}

QString ToolbarManager::NextCustomKey() const {
  for (int n = 1;; ++n) {
    QString key = kCustomPrefix + QString::number(n);
    if (!bar(key)) return key;
  }
}

QToolBar* ToolbarManager::NewToolbar(const QString& name) {
  int custom = 0;
  for (QToolBar* b : bars_)
    if (IsCustom(b)) ++custom;
  if (custom >= kMaxCustomBars) return nullptr;
  QToolBar* b = MakeBar(NextCustomKey(), name);
  Prepare(b);
  b->show();
  emit barsChanged();
  return b;
}

void ToolbarManager::Rename(QToolBar* b, const QString& name) {
  if (!b || !IsCustom(b)) return;
  b->setWindowTitle(name);
  emit barsChanged();
}

void ToolbarManager::Delete(QToolBar* b) {
  if (!b || !IsCustom(b)) return;
  bars_.erase(std::remove(bars_.begin(), bars_.end(), b), bars_.end());
  frame_.removeToolBar(b);
  b->deleteLater();
  emit barsChanged();
}

void ToolbarManager::Reset(QToolBar* b) {
  if (!b || IsCustom(b)) return;
  SetCommands(b, DefaultCommands(b->objectName()));
}

void ToolbarManager::SetCommands(QToolBar* b, const std::vector<int>& ids) {
  if (!b) return;
  b->clear();
  for (int id : ids)
    if (QAction* a = action_(id)) b->addAction(a);
  Prepare(b);
  emit barsChanged();
}

void ToolbarManager::InsertCommand(QToolBar* b, int id, int index) {
  QAction* a = b ? action_(id) : nullptr;
  if (!a || !IsKnownCommand(id)) return;
  QList<QAction*> actions = b->actions();
  const int old = int(actions.indexOf(a));
  if (old >= 0 && old < index) --index;  // the command leaves its old place first
  actions.removeAll(a);
  index = std::clamp(index, 0, int(actions.size()));
  actions.insert(index, a);
  std::vector<int> ids;
  for (QAction* x : actions) ids.push_back(x->data().toInt());
  SetCommands(b, ids);
}

void ToolbarManager::RemoveCommand(QToolBar* b, int id) {
  QAction* a = b ? action_(id) : nullptr;
  if (!a) return;
  b->removeAction(a);
  Prepare(b);
  emit barsChanged();
}

void ToolbarManager::SetLargeButtons(bool large) {
  large_ = large;
  for (QToolBar* b : bars_) b->setIconSize(large ? kLargeImages : kSmallImages);
}

void ToolbarManager::SetCoolLook(bool cool) {
  cool_ = cool;
  for (QToolBar* b : bars_) Prepare(b);
}

void ToolbarManager::Save(Platform& p) const {
  p.Put(setting::kBarCount, int(bars_.size()));
  for (std::size_t i = 0; i < bars_.size(); ++i) {
    const int n = int(i) + 1;
    p.Put(setting::kBarKey, n, FromQ(bars_[i]->objectName()));
    p.Put(setting::kBarName, n, FromQ(bars_[i]->windowTitle()));
    std::string ids;
    for (int id : Commands(bars_[i])) ids += (ids.empty() ? "" : ",") + std::to_string(id);
    p.Put(setting::kBarCommands, n, ids);
  }
  p.Put(setting::kLargeButtons, large_ ? 1 : 0);
  p.Put(setting::kShowTooltips, tooltips_ ? 1 : 0);
  p.Put(setting::kCoolLook, cool_ ? 1 : 0);
}

void ToolbarManager::Load(Platform& p) {
  CreateDefaults();
  const int count = p.Get(setting::kBarCount);
  int custom = 0;
  for (int i = 1; i <= count && i <= kMaxCustomBars + int(Groups().size()); ++i) {
    const QString key = ToQ(p.Get(setting::kBarKey, i, ""));
    const std::vector<int> ids = ParseCommands(p.Get(setting::kBarCommands, i, ""));
    if (!DefaultCommands(key).empty()) {
      SetCommands(bar(key), ids);
      continue;
    }
    // User bars are named "Custom" and a number; anything else is not ours.
    bool numbered = false;
    if (!key.startsWith(kCustomPrefix)) continue;
    key.mid(kCustomPrefix.size()).toInt(&numbered);
    if (!numbered || bar(key) || custom >= kMaxCustomBars) continue;
    QString name = ToQ(p.Get(setting::kBarName, i, ""));
    if (name.isEmpty()) name = tr("Toolbar");
    SetCommands(MakeBar(key, name), ids);
    ++custom;
  }
  SetLargeButtons(p.Get(setting::kLargeButtons) != 0);
  SetShowTooltips(p.Get(setting::kShowTooltips) != 0);
  SetCoolLook(p.Get(setting::kCoolLook) != 0);
}

// ---------------------------------------------------------------------------
// Customising

void ToolbarManager::SetCustomizing(bool on) {
  if (on == customizing_) return;
  customizing_ = on;
  for (QToolBar* b : bars_) b->setAcceptDrops(on);
  if (on)
    qApp->installEventFilter(this);
  else
    qApp->removeEventFilter(this);
}

QMimeData* ToolbarManager::CommandMime(int id) {
  auto* data = new QMimeData;
  data->setData(kCommandMime, QByteArray::number(id));
  return data;
}

int ToolbarManager::CommandOf(const QMimeData* data) {
  if (!data || !data->hasFormat(kCommandMime)) return 0;
  bool ok = false;
  const int id = data->data(kCommandMime).toInt(&ok);
  return ok && IsKnownCommand(id) ? id : 0;
}

int ToolbarManager::DropIndex(QToolBar* b, const QPoint& pos) const {
  const QList<QAction*> actions = b->actions();
  const bool horizontal = b->orientation() == Qt::Horizontal;
  for (int i = 0; i < actions.size(); ++i) {
    QWidget* w = b->widgetForAction(actions[i]);
    if (!w || !w->isVisible()) continue;
    const QPoint c = w->geometry().center();
    if (horizontal ? pos.x() < c.x() : pos.y() < c.y()) return i;
  }
  return int(actions.size());
}

void ToolbarManager::StartDrag(QToolBar* from, QAction* a) {
  const int id = a->data().toInt();
  auto* drag = new QDrag(this);
  drag->setMimeData(CommandMime(id));
  drag->setPixmap(a->icon().pixmap(large_ ? kLargeImages : kSmallImages));
  struct Drop {
    QToolBar* bar = nullptr;
    int index = 0;
  };
  auto target = std::make_shared<Drop>();
  // The drop only records where the command goes: the dragged button must
  // outlive the drag.
  auto connection =
      connect(this, &ToolbarManager::dropRecorded, this, [target](QToolBar* b, int index) {
        target->bar = b;
        target->index = index;
      });
  dragging_ = true;
  drag->exec(Qt::MoveAction);
  dragging_ = false;
  disconnect(connection);
  drag->deleteLater();
  QPointer<QToolBar> source(from);
  QTimer::singleShot(0, this, [this, source, target, id] {
    if (target->bar && bar(target->bar->objectName()) == target->bar) {
      if (source && source != target->bar) RemoveCommand(source, id);
      InsertCommand(target->bar, id, target->index);
    } else if (source) {
      RemoveCommand(source, id);  // dropped off the bars
    }
  });
}

bool ToolbarManager::eventFilter(QObject* watched, QEvent* event) {
  if (!customizing_) return QObject::eventFilter(watched, event);
  const QEvent::Type type = event->type();
  // Shortcuts of the main window's commands do not run while customising.
  if (type == QEvent::Shortcut && qobject_cast<QAction*>(watched)) return true;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget) return QObject::eventFilter(watched, event);

  QToolBar* owner = nullptr;
  for (QWidget* w = widget; w && !owner; w = w->parentWidget())
    if (auto* b = qobject_cast<QToolBar*>(w))
      if (std::find(bars_.begin(), bars_.end(), b) != bars_.end()) owner = b;

  if (owner && watched == owner &&
      (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)) {
    auto* drop = static_cast<QDropEvent*>(event);
    const int id = CommandOf(drop->mimeData());
    if (id == 0) return false;
    drop->setDropAction(Qt::MoveAction);
    drop->accept();
    if (type == QEvent::Drop) {
      const int index = DropIndex(owner, drop->position().toPoint());
      if (dragging_)
        emit dropRecorded(owner, index);
      else
        InsertCommand(owner, id, index);
    }
    return true;
  }
  if (owner) {
    auto* button = qobject_cast<QToolButton*>(widget);
    if (button && button->parentWidget() == owner && button->defaultAction()) {
      if (type == QEvent::MouseButtonPress &&
          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        StartDrag(owner, button->defaultAction());
        return true;
      }
      if (type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick) return true;
    }
    return false;  // the bar's handle still moves it
  }
  // The rest of the main window waits for the sheet.
  if (widget->window() == &frame_ && IsInputEvent(type)) return true;
  return QObject::eventFilter(watched, event);
}
