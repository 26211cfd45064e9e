#include "ui/FrameMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "core/Doc.h"
#include "core/KesProp.h"
#include "core/StringTable.h"
#include "core/Version.h"
#include "ui/App.h"
#include "ui/ButtonTable.h"
#include "ui/CommandIds.h"
#include "ui/EditCommands.h"
#include "ui/KesWndInfo.h"
#include "ui/KesWndProperties.h"
#include "ui/LiveView.h"
#include "ui/ReloadBar.h"
#include "ui/Text.h"
#include "ui/ToolbarManager.h"
#include "ui/Translations.h"
#include "ui/ViewOutline.h"

namespace {

// Ctrl+Z and Ctrl+Y in an edit box that has nothing of its own to undo or
// redo reach the Edit menu, which then undoes or redoes a document step.
class UndoKeys : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    const bool redo = key->matches(QKeySequence::Redo) ||
                      key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
    if (!undo && !redo) return false;
    QWidget* edit = EditBoxOf(QApplication::focusWidget());
    if (!edit) return false;
    // The box keeps the keys while it can use them.
    return !EditBoxCommandEnabled(edit, undo ? kCmdEditUndo : kCmdEditRedo);
  }
};

// The default window: the tree's column, the width from which the Properties
// stand beside the Live View rather than below it, their width there, and
// the Live View's share of the height above them (percent).
constexpr int kOutlineWidth = 220;
constexpr int kPropertiesBesideWidth = 1400;
constexpr int kPropertiesWidth = 540;
constexpr int kLiveShareBelow = 45;

// Reads an unsigned or signed decimal number spanning the whole field.
bool ParseNumber(const std::string& field, long long& out) {
  std::size_t i = 0, n = field.size();
  while (i < n && (field[i] == ' ' || field[i] == '\t')) ++i;
  while (n > i && (field[n - 1] == ' ' || field[n - 1] == '\t')) --n;
  if (i == n) return false;
  bool negative = false;
  if (field[i] == '-' || field[i] == '+') negative = field[i++] == '-';
  if (i == n) return false;
  long long v = 0;
  for (; i < n; ++i) {
    if (field[i] < '0' || field[i] > '9') return false;
    v = v * 10 + (field[i] - '0');
    if (v > 0xFFFFFFFFLL) return false;
  }
  out = negative ? -v : v;
  return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// Placement value

std::string WindowPlacement::Format() const {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", flags, showCmd, minX, minY,
                maxX, maxY, normal.x(), normal.y(), normal.x() + normal.width(),
                normal.y() + normal.height());
  return buffer;
}

bool WindowPlacement::Parse(const std::string& value, WindowPlacement& out) {
  std::vector<long long> numbers;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = value.find(',', start);
    long long v = 0;
    if (!ParseNumber(
            value.substr(start, comma == std::string::npos ? std::string::npos : comma - start), v))
      return false;
    numbers.push_back(v);
    if (comma == std::string::npos) break;
    start = comma + 1;
    if (numbers.size() > 10) return false;
  }
  if (numbers.size() != 10) return false;
  for (std::size_t i = 2; i < 10; ++i)
    if (numbers[i] < -1000000 || numbers[i] > 1000000) return false;
  if (numbers[0] < 0 || numbers[1] < 0) return false;
  out.flags = unsigned(numbers[0]);
  out.showCmd = unsigned(numbers[1]);
  out.minX = int(numbers[2]);
  out.minY = int(numbers[3]);
  out.maxX = int(numbers[4]);
  out.maxY = int(numbers[5]);
  out.normal = QRect(QPoint(int(numbers[6]), int(numbers[7])),
                     QSize(int(numbers[8] - numbers[6]), int(numbers[9] - numbers[7])));
  return true;
}

// ---------------------------------------------------------------------------
// Frame

FrameMain::FrameMain(App& app, Doc& doc, bool allowBrowser, QWidget* parent)
    : QMainWindow(parent), app_(app), doc_(doc) {
  setObjectName("FrameMain");
  setWindowIcon(QIcon(":/icons/velkobutton.svg"));
  setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
  setCorner(Qt::BottomLeftCorner, Qt::BottomDockWidgetArea);
  setCorner(Qt::BottomRightCorner, Qt::BottomDockWidgetArea);

  BuildDocks(allowBrowser);
  outline_ = new ViewOutline(app_, doc_, *properties_, this);
  outline_->setProperty("helpId", 0);
  // The Buttons table, a tab beside Properties; made before the tree's
  // column, it is destroyed before the tree it follows.
  tabifyDockWidget(propertiesDock_, ButtonTable::AddDock(*this, app_, doc_, *outline_));
  propertiesDock_->raise();
  // The tree, with the bar that offers a changed file above it.
  auto* centre = new QWidget(this);
  auto* column = new QVBoxLayout(centre);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  reloadBar_ = new ReloadBar(centre);
  column->addWidget(reloadBar_);
  column->addWidget(outline_, 1);
  setCentralWidget(centre);
  // The pointer over no tree item clears the status prompt.
  connect(outline_, &ViewOutline::statusPromptCleared, this,
          [this] { SetStatusPrompt(QString()); });
  // Why a command on the tree's selection did nothing.
  connect(outline_, &ViewOutline::statusMessage, this, &FrameMain::SetStatusPrompt);
  BuildMenus();
  BuildToolbars();

  idleLabel_ = new QLabel(ToQ(LoadUiString(57345)), this);
  statusBar()->addWidget(idleLabel_, 1);

  const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
  const QSize first = FirstWindowSize(shown ? shown->availableGeometry().size() : QSize(900, 700));
  resize(first);
  ArrangeDocks(first);

  LoadBarLayout();
  if (!browserAvailable()) infoDock_->hide();
  connect(outline_, &ViewOutline::currentGroupChanged, this, [this] { SyncLiveSelection(); });
  connect(outline_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { SyncLiveSelection(); });

  // The title and the commands follow the document, the selection, the
  // focus and the docks as they change.
  doc_.AddListener(this);
  connect(outline_, &ViewOutline::currentGroupChanged, this, [this] { UpdateCommandStates(); });
  connect(qApp, &QApplication::focusChanged, this, [this] { UpdateCommandStates(); });
  for (QDockWidget* dock : {infoDock_, propertiesDock_, liveDock_})
    connect(dock, &QDockWidget::visibilityChanged, this, [this] { UpdateCommandStates(); });
  qApp->installEventFilter(new UndoKeys(this));
  UpdateCommandStates();
}

void FrameMain::OnDocChanged(const DocChange&) {
  UpdateCommandStates();
  SyncLiveSelection();
}

FrameMain::~FrameMain() {
  doc_.RemoveListener(this);
  // The children go after this object's members: they tell it nothing more.
  for (QObject* sender : {static_cast<QObject*>(qApp), static_cast<QObject*>(outline_),
                          static_cast<QObject*>(infoDock_), static_cast<QObject*>(propertiesDock_),
                          static_cast<QObject*>(liveDock_), static_cast<QObject*>(live_),
                          static_cast<QObject*>(outline_->selectionModel())})
    disconnect(sender, nullptr, this, nullptr);
  if (contextHelpMode_) {
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
  }
}

void FrameMain::BuildDocks(bool allowBrowser) {
  propertiesDock_ = new QDockWidget(tr("Properties"), this);
  propertiesDock_->setObjectName("Properties");  // bar 54
  propertiesDock_->setAllowedAreas(Qt::AllDockWidgetAreas);
  properties_ = new KesWndProperties(app_, doc_, app_.pages(), propertiesDock_);
  propertiesDock_->setWidget(properties_);
  // The title names what the window edits ("Over — 5 buttons").
  propertiesDock_->setWindowTitle(properties_->title());
  connect(properties_, &KesWndProperties::titleChanged, propertiesDock_,
          &QDockWidget::setWindowTitle);
  addDockWidget(Qt::RightDockWidgetArea, propertiesDock_);

  infoDock_ = new QDockWidget(tr("Info/Preview"), this);
  infoDock_->setObjectName("InfoPreview");  // bar 10024
  infoDock_->setAllowedAreas(Qt::AllDockWidgetAreas);
  info_ = new KesWndInfo(infoDock_, allowBrowser);
  info_->setMinimumWidth(120);
  // What a shown page would have opened a window for goes to the status bar.
  connect(info_, &KesWndInfo::statusText, this,
          [this](const QString& text) { statusBar()->showMessage(text); });
  infoDock_->setWidget(info_);
  addDockWidget(Qt::RightDockWidgetArea, infoDock_);

  liveDock_ = new QDockWidget(tr("Live View"), this);
  liveDock_->setObjectName("LiveView");
  liveDock_->setAllowedAreas(Qt::AllDockWidgetAreas);
  live_ = new LiveView(app_, doc_, allowBrowser, liveDock_);
  connect(live_, &LiveView::statusText, this,
          [this](const QString& text) { statusBar()->showMessage(text); });
  connect(live_, &LiveView::buttonClicked, this,
          [this](int index, bool add) { SelectFromLive({index}, add); });
  connect(live_, &LiveView::buttonsBanded, this, &FrameMain::SelectFromLive);
  connect(live_, &LiveView::keyboardReturned, this,
          [this] { outline_->setFocus(Qt::ShortcutFocusReason); });
  liveDock_->setWidget(live_);
  addDockWidget(Qt::RightDockWidgetArea, liveDock_);
}

void FrameMain::ArrangeDocks(const QSize& window) {
  // The tree a narrow column on the left, the Live View beside it with most of
  // the room, the Properties beside the view on a wide window and below it on
  // a narrow one, the help a tab beside the Properties.
  const bool wide = window.width() >= kPropertiesBesideWidth;
  splitDockWidget(liveDock_, propertiesDock_, wide ? Qt::Horizontal : Qt::Vertical);
  tabifyDockWidget(propertiesDock_, infoDock_);
  if (auto* table = findChild<QDockWidget*>(QStringLiteral("ButtonsTable")))
    tabifyDockWidget(propertiesDock_, table);
  propertiesDock_->raise();
  const int docks = std::max(0, window.width() - kOutlineWidth);
  if (wide) {
    const int pages = std::min(kPropertiesWidth, docks / 2);
    resizeDocks({liveDock_, propertiesDock_}, {docks - pages, pages}, Qt::Horizontal);
  } else {
    resizeDocks({liveDock_}, {docks}, Qt::Horizontal);
    resizeDocks(
        {liveDock_, propertiesDock_},
        {window.height() * kLiveShareBelow / 100, window.height() * (100 - kLiveShareBelow) / 100},
        Qt::Vertical);
  }
}

void FrameMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  const int grown = event->size().width() - event->oldSize().width();
  if (event->oldSize().width() <= 0 || grown == 0 || !liveDock_ || !liveDock_->isVisible() ||
      liveDock_->isFloating())
    return;
  const Qt::DockWidgetArea area = dockWidgetArea(liveDock_);
  if (area != Qt::LeftDockWidgetArea && area != Qt::RightDockWidgetArea) return;
  resizeDocks({liveDock_}, {std::max(0, liveDock_->width() + grown)}, Qt::Horizontal);
}

void FrameMain::SyncLiveSelection() {
  if (!live_ || !outline_) return;
  // Every button selected or with an item selected is marked; those whose
  // item lies in the current item's state show that state.
  const KesProp* current = outline_->SelectedGroup();
  const GroupPath now = current ? doc_.PathOf(current) : GroupPath();
  LiveView::Selected selected;
  selected.current = now.button;
  selected.state = now.state;
  const auto add = [](std::vector<int>& to, int button) {
    if (button >= 0 && std::find(to.begin(), to.end(), button) == to.end()) to.push_back(button);
  };
  add(selected.marked, now.button);
  if (now.state >= 0) add(selected.shown, now.button);
  for (const KesProp* group : outline_->SelectedGroups()) {
    const GroupPath path = doc_.PathOf(group);
    add(selected.marked, path.button);
    if (now.state >= 0 && path.state == now.state) add(selected.shown, path.button);
  }
  live_->ShowSelection(std::move(selected));
}

QSize FirstWindowSize(const QSize& available) {
  constexpr int kShare = 80;  // percent of the screen
  const QSize wanted(std::max(1200, available.width() * kShare / 100),
                     std::max(800, available.height() * kShare / 100));
  return wanted.boundedTo(available);
}

void FrameMain::SelectFromLive(const QList<int>& indexes, bool add) {
  const KesProp* current = outline_->SelectedGroup();
  const GroupPath now = current ? doc_.PathOf(current) : GroupPath();
  bool first = true;
  for (const int index : indexes) {
    GroupPath path;
    path.button = index;
    path.kind = PropClass::Button;
    if (now.state >= 0) {
      path.state = now.state;
      path.kind = PropClass::State;
    }
    KesProp* group = doc_.GroupAt(path);
    if (!group) continue;
    // The first replaces the selection unless Ctrl is held; the rest join it.
    const bool joined =
        add || !first ? outline_->AddToSelection(group) : outline_->SelectGroup(group);
    if (!joined) return;
    first = false;
  }
  if (first) return;
  // The view keeps the keyboard: the arrow keys nudge the button at once.
  live_->TakeKeyboard();
}

void FrameMain::BuildToolbars() {
  toolbars_ = new ToolbarManager(
      *this, [this](int id) { return action(id); }, this);
  toolbars_->CreateDefaults();
  buttonsBar_ = toolbars_->bar("Buttons");  // bar 59397
  projectBar_ = toolbars_->bar("Project");  // bar 59398
}

QAction* FrameMain::action(int id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

bool FrameMain::browserAvailable() const {
  return info_ && info_->browserAvailable();
}

void FrameMain::ShowInfo(bool show) {
  infoDock_->setVisible(show);
  if (show) infoDock_->raise();
}

bool FrameMain::DockSeen(const QDockWidget* dock) {
  // A tab behind another is open but cannot be seen.
  return dock->isVisible() && !dock->visibleRegion().isEmpty();
}

bool FrameMain::IsInfoVisible() const {
  return DockSeen(infoDock_);
}

void FrameMain::SetStatusPrompt(const QString& prompt) {
  if (prompt.isEmpty())
    statusBar()->clearMessage();
  else
    statusBar()->showMessage(prompt);
}

QString FrameMain::statusPrompt() const {
  QString message = statusBar()->currentMessage();
  return message.isEmpty() ? idleLabel_->text() : message;
}

// ---------------------------------------------------------------------------
// Placement and layout

WindowPlacement FrameMain::CurrentPlacement() const {
  WindowPlacement p;
  const bool maximized = isMaximized();
  p.flags = maximized ? 2 : 0;
  p.showCmd = isMinimized() ? 2 : maximized ? 3 : 1;
  QRect normal = normalGeometry();
  if (!normal.isValid() || normal.isEmpty()) normal = geometry();
  p.normal = normal;
  return p;
}

ShowState FrameMain::RestorePlacement(const std::string& value, ShowState requested) {
  WindowPlacement p;
  ShowState state = requested;
  if (WindowPlacement::Parse(value, p)) {
    if (requested == ShowState::Normal) {
      state = p.showCmd == 3   ? ShowState::Maximized
              : p.showCmd == 2 ? ShowState::Minimized
                               : ShowState::Normal;
    }
    QRect r = p.normal;
    // A rectangle no screen shows, or of an unusable size, keeps the size
    // set at creation.
    bool onScreen = false;
    for (QScreen* s : QGuiApplication::screens())
      if (s->availableGeometry().intersects(r)) onScreen = true;
    if (r.width() >= 200 && r.height() >= 150 && r.width() <= 20000 && r.height() <= 20000 &&
        onScreen)
      setGeometry(r);
  }
  switch (state) {
    case ShowState::Maximized:
      showMaximized();
      break;
    case ShowState::Minimized:
      showMinimized();
      break;
    case ShowState::Normal:
      show();
      break;
  }
  UpdateCommandStates();
  return state;
}

void FrameMain::SaveLayout() {
  Platform& p = app_.platform();
  p.Put(setting::kWindowPlacement, CurrentPlacement().Format());
  toolbars_->Save(p);
  p.Put(setting::kDockState, saveState().toBase64().toStdString());
}

void FrameMain::LoadBarLayout() {
  Platform& p = app_.platform();
  // The bars first, then their places.
  toolbars_->Load(p);
  std::string state = p.Get(setting::kDockState);
  if (!state.empty()) restoreState(QByteArray::fromBase64(QByteArray::fromStdString(state)));
}

void FrameMain::SetLargeButtons(bool large) {
  toolbars_->SetLargeButtons(large);
}

bool FrameMain::largeButtons() const {
  return toolbars_->largeButtons();
}

void FrameMain::SetShowTooltips(bool show) {
  toolbars_->SetShowTooltips(show);
}

bool FrameMain::showTooltips() const {
  return toolbars_->showTooltips();
}

void FrameMain::closeEvent(QCloseEvent* event) {
  // The Options sheet is still open.
  if (toolbars_->customizing()) {
    event->ignore();
    return;
  }
  SaveLayout();
  if (!doc_.CanCloseFrame()) {
    event->ignore();
    return;
  }
  event->accept();
}

// ---------------------------------------------------------------------------
// Files dropped on the window

void FrameMain::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) {
    for (const QUrl& url : event->mimeData()->urls())
      if (url.isLocalFile()) {
        event->acceptProposedAction();
        return;
      }
  }
}

void FrameMain::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    event->acceptProposedAction();
    const QString path = url.toLocalFile();
    activateWindow();
    QTimer::singleShot(0, this, [this, path] {
      app_.router().Run(StoreFirst::kOrStop, [this, path] { app_.OpenDocumentFile(path); });
    });
    return;  // one project at a time
  }
}

// ---------------------------------------------------------------------------
// Help

int FrameMain::HelpIdAt(QWidget* widget) const {
  for (QWidget* w = widget; w; w = w->parentWidget()) {
    if (auto* button = qobject_cast<QToolButton*>(w)) {
      if (QAction* a = button->defaultAction()) {
        bool ok = false;
        int id = a->data().toInt(&ok);
        if (ok && id) return id;
      }
    }
    // Page controls carry "controlId", our dialogs' controls "helpId".
    for (const char* name : {"controlId", "helpId"}) {
      bool ok = false;
      int id = w->property(name).toInt(&ok);
      if (ok && id) return id;
    }
    if (w == outline_) return PageHelpId(w);
    if (w == properties_) return app_.pageHelpId;
  }
  return 0;
}

int FrameMain::PageHelpId(QWidget* focus) const {
  for (QWidget* w = focus; w; w = w->parentWidget()) {
    if (w == outline_) {
      KesProp* group = outline_->SelectedGroup();
      return group ? group->GetPageId() : 0;
    }
  }
  // The dialog id the last page in which F1 was pressed recorded.
  return app_.pageHelpId;
}

void FrameMain::EnterContextHelpMode() {
  if (contextHelpMode_) return;
  contextHelpMode_ = true;
  QApplication::setOverrideCursor(Qt::WhatsThisCursor);
  qApp->installEventFilter(this);
}

bool FrameMain::eventFilter(QObject* watched, QEvent* event) {
  if (contextHelpMode_) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      contextHelpMode_ = false;
      qApp->removeEventFilter(this);
      QApplication::restoreOverrideCursor();
      return true;
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (!widget) return false;
      if (type == QEvent::MouseButtonPress && !qobject_cast<QMenu*>(widget)) return true;
      int id = 0;
      if (auto* menu = qobject_cast<QMenu*>(widget)) {
        QAction* a = menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (!a) return type == QEvent::MouseButtonRelease;
        id = a->data().toInt();
        if (a->menu()) return false;  // opening a submenu
        menu->close();
      } else if (type == QEvent::MouseButtonRelease) {
        id = HelpIdAt(widget);
        if (id == 0 && widget->window() == this) id = app_.pageHelpId;
      } else {
        return true;
      }
      contextHelpMode_ = false;
      qApp->removeEventFilter(this);
      QApplication::restoreOverrideCursor();
      app_.OnHelp(id);
      return true;
    }
    return false;
  }
  if (event->type() == QEvent::ToolTip) {
    if (auto* button = qobject_cast<QToolButton*>(watched)) {
      QAction* a = button->defaultAction();
      int id = a ? a->data().toInt() : 0;
      std::string tip;
      if (id == 0) {
        app_.SetStatusPrompt(std::string());
      } else {
        app_.ShowContextHelp(id, &tip, true);
      }
      if (showTooltips() && !tip.empty())
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), ToQ(tip), button);
      else
        QToolTip::hideText();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Dialogs

void FrameMain::OnViewToolbars() {
  QDialog dialog(this);
  dialog.setWindowTitle(tr("Toolbars"));
  dialog.setProperty("helpId", kCmdViewToolbars);
  auto* bars = new QGroupBox(tr("Toolbars"), &dialog);
  auto* barsLayout = new QVBoxLayout(bars);
  std::vector<std::pair<QToolBar*, QCheckBox*>> shown;
  for (QToolBar* bar : toolbars_->bars()) {
    auto* box = new QCheckBox(bar->windowTitle(), bars);
    box->setChecked(!bar->isHidden());
    barsLayout->addWidget(box);
    shown.emplace_back(bar, box);
  }
  auto* tooltips = new QCheckBox(tr("&Show Tooltips"), &dialog);
  tooltips->setChecked(showTooltips());
  auto* large = new QCheckBox(tr("&Large Buttons"), &dialog);
  large->setChecked(largeButtons());
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QPushButton* customize = box->addButton(tr("&Customize..."), QDialogButtonBox::ActionRole);
  customize->setProperty("helpId", 20584);
  bool openOptions = false;
  connect(customize, &QPushButton::clicked, &dialog, [&] {
    openOptions = true;
    dialog.accept();
  });
  connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(bars);
  layout->addWidget(tooltips);
  layout->addWidget(large);
  layout->addWidget(box);
  if (dialog.exec() != QDialog::Accepted) return;
  for (auto& [bar, check] : shown) bar->setVisible(check->isChecked());
  SetShowTooltips(tooltips->isChecked());
  SetLargeButtons(large->isChecked());
  // Leaving through Customize opens the Options sheet.
  if (openOptions) app_.OnOptions();
}

void FrameMain::OnAbout() {
  QDialog dialog(this);
  dialog.setWindowTitle(tr("About VelkoButton"));
  dialog.setProperty("helpId", 1700);
  auto* icon = new QLabel(&dialog);
  icon->setPixmap(QIcon(":/icons/velkobutton.svg").pixmap(64, 64));
  icon->setAlignment(Qt::AlignTop);
  auto* text = new QLabel(&dialog);
  text->setTextFormat(Qt::RichText);
  const QString release =
      tr("Version %1 (Build %2)").arg(ToQ(version::kProductVersion), ToQ(version::kPrivateBuild));
  text->setText(QStringLiteral("<h2 style='margin-bottom:2px'>%1</h2>"
                               "<p>%2<br>%3</p>"
                               "<p>%4<br>%5</p><p>%6</p>")
                    .arg(ToQ(version::kProductName), release.toHtmlEscaped(),
                         ToQ(version::kFileDescription), ToQ(version::kLegalCopyright),
                         ToQ(version::kLegalTrademarks), ToQ(version::kCompanyName)));
  text->setWordWrap(true);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addWidget(text, 1);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(top);
  layout->addWidget(box);
  dialog.setMinimumWidth(380);
  dialog.exec();
}
