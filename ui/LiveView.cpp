#include "ui/LiveView.h"

#include <QAction>
#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>

#include "core/Doc.h"
#include "core/HeadlessPlatform.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "core/Platform.h"
#include "groups/button/PropButton.h"
#include "groups/project/PropProject.h"
#include "output/LiveStaging.h"
#include "ui/ContrastStrip.h"
#include "ui/KesWndInfo.h"
#include "ui/LiveCaptionEdit.h"
#include "ui/LiveScript.h"
#include "ui/LiveSession.h"
#include "ui/SealedWeb.h"
#include "ui/Text.h"

#ifdef VB_HAVE_WEBENGINE
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#endif

namespace {

// Arrow keys move the selected button this far; with Shift, ten times as far.
constexpr int kNudge = 1;
constexpr int kNudgeShift = 10;
// Changes that arrive together (one edit notifies more than once) make one update.
constexpr int kUpdateDelayMs = 0;
// A page that has not answered the editor for this long is held by its own
// scripts: the view stops them.
constexpr int kWatchdogMs = 5000;
// How often the editor asks the page's renderer whether it is free.
constexpr int kHeartbeatMs = 1000;

const char* const kHost = "live";
const char* const kPageName = "~live.html";
const char* const kBridgeName = "velkobutton-live";
const char* const kRelayName = "velkobutton-live-relay";
// The view's scripts: the bridge, in a world of its own, and its relay to
// the runtime in the page's world.
const char* const kBridgeFile = ":/live/bridge.js";
const char* const kRelayFile = ":/live/relay.js";
const char* const kChannelClientFile = ":/qtwebchannel/qwebchannel.js";

// The view's own additions to the page: a checkerboard shows through where
// the buttons leave the applet transparent; the buttons keep the places the
// project gives them (a row does not wrap in a narrow view, as the editor
// hits and drops by those places; the zoom magnifies instead); and while the
// editor has the mouse, the buttons take none of it, so that the page's own
// hover and press looks stay away.
const char* const kLiveStyle =
    "<STYLE>applet{display:inline-block;vertical-align:top;"
    "background:repeating-conic-gradient(#ccc 0 25%,#fff 0 50%) 0 0/16px 16px}"
    "applet .vb{width:max-content}.velko-live-editing applet .vb .b{pointer-events:none}"
    "</STYLE>\r\n";

// The colour around the applet without a project.
const char* const kNoProjectColour = "#ffffff";
// Gives the page the colour around its applet; run in the bridge's world with
// the colour after it. The page's own colours (its BODY's) give way.
const char* const kPageColourScript =
    "(function(c){var e=document.documentElement;if(e)e.style.backgroundColor=c;"
    "if(document.body)document.body.style.backgroundColor=c})";
// Fitting the applet to the view leaves this much room around it, the page's
// margins (pixels of the view, both sides together).
constexpr int kFitMargin = 16;
// A view smaller than this either way is not laid out yet: the fit waits.
constexpr int kFitLeast = 80;
constexpr int kFullSize = 100;  // percent

// The pointer left the view: the page does not always hear it when it leaves
// straight from a button, so its buttons are told, and one shown in Over goes
// back to Up. Run in the bridge's world; the runtime hears the event.
const char* const kPointerLeftScript =
    "document.querySelectorAll('applet .vb').forEach(function(r){"
    "r.dispatchEvent(new PointerEvent('pointerleave',{pointerType:'mouse'}))})";

std::filesystem::path FsFolder(const std::string& folder) {
  return std::filesystem::path(folder);
}

// This editor's own folder of live files under the preview folder; folders
// left by editors that are no longer running go.
std::string LiveFolder(const std::string& previewDir) {
  const std::string prefix = "live-";
  RemoveFoldersOfEndedProcesses(previewDir, prefix);
  return previewDir + prefix + std::to_string(QCoreApplication::applicationPid()) + "/";
}

}  // namespace

LiveView::LiveView(KesApp& app, Doc& doc, bool allowBrowser, QWidget* parent)
    : QWidget(parent), app_(app), doc_(doc) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  notice_ = new QLabel(this);
  notice_->setWordWrap(true);
  notice_->setContentsMargins(4, 2, 4, 2);
#ifdef VB_HAVE_WEBENGINE
  if (allowBrowser && KesWndInfo::BrowserPossible()) {
    auto* bar = new QToolBar(this);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tryAction_ = bar->addAction(tr("Try"));
    tryAction_->setCheckable(true);
    tryAction_->setToolTip(tr("Let the buttons react to the mouse as on the page"));
    connect(tryAction_, &QAction::toggled, this, &LiveView::SetTrying);
    bar->addSeparator();
    QAction* out = bar->addAction(QStringLiteral("\u2212"));
    out->setToolTip(tr("Zoom out (Ctrl+Minus)"));
    out->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    out->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(out, &QAction::triggered, this, &LiveView::ZoomOut);
    zoomLabel_ = new QLabel(QStringLiteral("100%"), bar);
    zoomLabel_->setMinimumWidth(40);
    zoomLabel_->setAlignment(Qt::AlignCenter);
    bar->addWidget(zoomLabel_);
    QAction* in = bar->addAction(QStringLiteral("+"));
    in->setToolTip(tr("Zoom in (Ctrl+Plus)"));
    in->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    in->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(in, &QAction::triggered, this, &LiveView::ZoomIn);
    QAction* reset = bar->addAction(tr("1:1"));
    reset->setToolTip(tr("Actual size (Ctrl+0)"));
    reset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    reset->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(reset, &QAction::triggered, this, [this] { SetZoom(100); });
    for (QAction* a : {out, in, reset}) addAction(a);
    layout->addWidget(bar);

    profile_ = new SealedProfile(this);
    browser_ = new QWebEngineView(this);
    browser_->setMinimumSize(60, 40);
    browser_->installEventFilter(this);
    layout->addWidget(browser_, 1);
    caption_ = new LiveCaptionEdit(app_, doc_, this);
    connect(caption_, &LiveCaptionEdit::closed, this, [this](bool hadKeyboard) {
      if (hadKeyboard) TakeKeyboard();
    });
    layout->addWidget(notice_);
    notice_->hide();
    contrast_ = new ContrastStrip(doc_, this);
    layout->addWidget(contrast_);
    staging_ = std::make_unique<LiveStaging>(LiveFolder(app_.platform().PreviewDir()),
                                             app_.platform().ProgramDir());
    updateTimer_ = new QTimer(this);
    updateTimer_->setSingleShot(true);
    updateTimer_->setInterval(kUpdateDelayMs);
    connect(updateTimer_, &QTimer::timeout, this, &LiveView::Update);
    watchdog_ = new QTimer(this);
    watchdog_->setSingleShot(true);
    watchdog_->setInterval(kWatchdogMs);
    connect(watchdog_, &QTimer::timeout, this, &LiveView::OnScriptsHeld);
    heartbeat_ = new QTimer(this);
    heartbeat_->setInterval(kHeartbeatMs);
    connect(heartbeat_, &QTimer::timeout, this, &LiveView::Heartbeat);
    heartbeat_->start();
    NewPage();
    available_ = true;
    doc_.AddListener(this);
    // A document that has no project yet (one being opened) is shown once
    // New or Open has filled it.
    if (doc_.project()) ScheduleUpdate();
    return;
  }
#else
  (void)allowBrowser;
#endif
  notice_->setText(tr("The live view needs the built-in web browser, which is not available."));
  layout->addWidget(notice_);
  layout->addStretch(1);
}

LiveView::~LiveView() {
  if (available_) doc_.RemoveListener(this);
  if (staging_) {
    std::error_code ignored;
    std::filesystem::remove_all(FsFolder(staging_->folder()), ignored);
  }
#ifdef VB_HAVE_WEBENGINE
  if (browser_) {
    const qint64 pid = page_ ? page_->renderProcessPid() : 0;
    delete browser_;
    browser_ = nullptr;
    sealed::EndRenderer(pid);
  }
#endif
}

#ifdef VB_HAVE_WEBENGINE
// Outside any namespace: the resource initialiser of this static library.
static void InitLiveScripts() {
  Q_INIT_RESOURCE(live);
}

namespace {
QString ReadResource(const char* name) {
  InitLiveScripts();  // registers once; later calls find it registered
  QFile file{QString::fromLatin1(name)};
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
}  // namespace

void LiveView::NewPage() {
  SealedPage* old = page_;
  page_ = new SealedPage(profile_, browser_);
  pageReady_ = pageLoading_ = pageLoaded_ = bridgeReady_ = false;
  awaitingAnswer_ = false;
  sentSelection_.reset();
  if (watchdog_) watchdog_->stop();
  connect(page_, &SealedPage::statusText, this, &LiveView::statusText);
  // The session and the channel belong to their page and go with it (the
  // old page still uses the old ones); what an old page says is not heard.
  const auto current = [this, page = page_] { return page == page_; };
  LiveSession::Handlers on;
  on.pointer = [this, current](const QString& kind, double x, double y) {
    if (current()) OnPointer(kind, x, y);
  };
  on.drawn = [this, current] {
    if (current()) OnDrawn();
  };
  on.answer = [this, current](int number) {
    if (current() && number == question_) OnAnswer();
  };
  on.ready = [this, current] {
    if (!current()) return;
    // A bridge that connects has run: the renderer is free.
    OnAnswer();
    bridgeReady_ = true;
    OnPageReady();
  };
  on.caption = [this, current](double x, double y, const QVariantMap& report) {
    if (current()) OnCaption(x, y, report);
  };
  session_ = new LiveSession(std::move(on), page_);
  channel_ = new QWebChannel(page_);
  channel_->registerObject(QLatin1String(LiveSession::kChannelName), session_);
  page_->setWebChannel(channel_, QWebEngineScript::ApplicationWorld);
  QWebEngineScript bridge;
  bridge.setName(kBridgeName);
  bridge.setSourceCode(ReadResource(kChannelClientFile) + QLatin1Char('\n') +
                       ReadResource(kBridgeFile));
  bridge.setInjectionPoint(QWebEngineScript::DocumentCreation);
  bridge.setWorldId(QWebEngineScript::ApplicationWorld);
  bridge.setRunsOnSubFrames(false);
  page_->scripts().insert(bridge);
  // A script of its own (a copy would stand for the same script).
  QWebEngineScript relay;
  relay.setName(kRelayName);
  relay.setInjectionPoint(QWebEngineScript::DocumentCreation);
  relay.setRunsOnSubFrames(false);
  relay.setSourceCode(ReadResource(kRelayFile));
  relay.setWorldId(QWebEngineScript::MainWorld);
  page_->scripts().insert(relay);
  connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
    // A page that did not load is made anew with the next change; no bridge
    // answers for it.
    if (!ok) {
      pageWanted_ = true;
      pageLoading_ = false;
      OnAnswer();
      return;
    }
    pageLoaded_ = true;
    OnPageReady();
  });
  browser_->setPage(page_);
  sealed::RetirePage(browser_, old);
}
#endif

void LiveView::OnPageReady() {
#ifdef VB_HAVE_WEBENGINE
  if (pageReady_ || !pageLoaded_ || !bridgeReady_) return;
  pageReady_ = true;
  if (changedWhileLoading_) {
    changedWhileLoading_ = false;
    ScheduleUpdate();
  }
  page_->setZoomFactor(zoom_ / 100.0);
  FitApplet();
  SendTrying();
  OnDrawn();
#endif
}

void LiveView::OnDocChanged(const DocChange& change) {
  switch (change.kind) {
    case DocChange::Kind::ModifiedChanged:
    case DocChange::Kind::HistoryChanged:
      return;
    case DocChange::Kind::Replaced:
      pageWanted_ = true;
      fitWanted_ = true;
      changes_.whole = true;
      break;
    case DocChange::Kind::GroupChanged:
      // A group of a button: its statement alone may have changed.
      if (change.group.button >= 0)
        changes_.buttons.push_back(change.group.button);
      else
        changes_.whole = true;
      break;
    default:
      changes_.whole = true;
      break;
  }
  if (!sinceChange_.isValid() || !updateTimer_->isActive()) sinceChange_.start();
  ScheduleUpdate();
}

void LiveView::ScheduleUpdate() {
  if (updateTimer_ && !updateTimer_->isActive()) updateTimer_->start();
}

void LiveView::Update() {
  // Nothing is generated while the document has no project: the update
  // comes with the project that fills it.
  if (!available_ || !doc_.project()) return;
  if (held_ || pageWanted_) {
    LoadPage();
    return;
  }
  // A change while the page loads is given to it once it has loaded.
  if (!pageReady_) {
    changedWhileLoading_ = true;
    return;
  }
  if (!changes_.whole && SendEditedButtons()) return;
  // One generation gives the page, its applet and the files it names. A
  // change outside the applet (the page's colours, its scripts) needs the
  // page anew.
  Page page = Generate();
  if (live::ShellOf(page.html) != shell_) {
    LoadPage(std::move(page));
    return;
  }
  if (!SendChangedButtons(page)) ReplaceProject(std::move(page));
}

LiveView::Page LiveView::Generate() {
  // What is generated now holds every change so far.
  changes_ = Changes{false, {}};
  return live::PageOf(doc_);
}

void LiveView::TakeAsSent(Page& page) {
  sent_ = std::move(page.script);
  sentNames_.clear();
  sentShellKeys_.clear();
  for (const auto& b : doc_.buttons()) {
    sentNames_.push_back(b->name);
    sentShellKeys_.push_back(live::ShellKey(*b));
  }
  lastButtonsSent_ = doc_.ButtonCount();
}

QStringList LiveView::StageFiles() {
  std::vector<std::string> files, names;
  std::vector<GateKind> expected;
  {
    const PageWriter::RuntimeScope runtime(doc_.writer(), kRuntimeAlways);
    doc_.GetResourceFiles(files, expected);
  }
  QStringList changed;
  for (const std::string& name : staging_->Update(files, expected)) changed << PathToQ(name);
  NoteFilesLeftOut();
  return changed;
}

bool LiveView::SendEditedButtons() {
  std::vector<int> edited = std::move(changes_.buttons);
  std::sort(edited.begin(), edited.end());
  edited.erase(std::unique(edited.begin(), edited.end()), edited.end());
  const auto& buttons = doc_.buttons();
  const PropProject* project = doc_.project();
  // Scripts that run when the page starts, or a button renamed or shown
  // otherwise outside the applet: the whole project.
  if (!project || !project->afterScript.empty() || sentNames_.size() != buttons.size())
    return false;
  for (const int i : edited) {
    const auto at = static_cast<std::size_t>(i);
    if (i < 0 || at >= buttons.size() || buttons[at]->name != sentNames_[at] ||
        live::ShellKey(*buttons[at]) != sentShellKeys_[at])
      return false;
  }
  std::optional<Script> made = live::Statements(doc_, edited);
  // A change before the buttons, or files numbered anew (the other buttons'
  // statements number them too): the whole project.
  if (!made || made->head != sent_.head || made->lists != sent_.lists) return false;
  Script& script = *made;
  changes_ = Changes{false, {}};
  QStringList statements;
  for (std::size_t k = 0; k < edited.size(); ++k) {
    const auto at = static_cast<std::size_t>(edited[k]);
    // The page has the statement already when it is the one last sent.
    const bool known = at < sent_.buttons.size();
    if (known && sent_.buttons[at] == script.buttons[k]) continue;
    statements << ToQ(script.buttons[k]);
    if (known) sent_.buttons[at] = std::move(script.buttons[k]);
  }
  emit session_->buttonsChanged(statements, PageToQ(script.lists), StageFiles());
  lastButtonsSent_ = static_cast<std::size_t>(statements.size());
  SendSelection();
  StartWatchdog();
  return true;
}

bool LiveView::SendChangedButtons(Page& page) {
  std::vector<std::string> names;
  for (const auto& b : doc_.buttons()) names.push_back(b->name);
  const PropProject* project = doc_.project();
  // Buttons added, removed, moved or renamed, a change before the buttons,
  // or scripts that run when the page starts: the whole project.
  if (!page.allButtons || page.script.buttons.size() != sent_.buttons.size() ||
      names != sentNames_ || page.script.head != sent_.head || !project ||
      !project->afterScript.empty())
    return false;
  QStringList statements;
  for (std::size_t i = 0; i < page.script.buttons.size(); ++i)
    if (page.script.buttons[i] != sent_.buttons[i]) {
      statements << ToQ(page.script.buttons[i]);
      sentShellKeys_[i] = live::ShellKey(*doc_.buttons()[i]);
    }
  emit session_->buttonsChanged(statements, PageToQ(page.script.lists), StageFiles());
  lastButtonsSent_ = static_cast<std::size_t>(statements.size());
  sent_ = std::move(page.script);
  SendPageColour();
  SendSelection();
  StartWatchdog();
  return true;
}

void LiveView::LoadPage(std::optional<Page> generated) {
#ifdef VB_HAVE_WEBENGINE
  if (held_) {
    held_ = false;
    NewPage();
  }
  pageWanted_ = false;
  SetNotice(QString());
  Page page = generated ? std::move(*generated) : Generate();
  shell_ = live::ShellOf(page.html);
  StageFiles();
  std::string& html = page.html;
  const std::size_t head = html.find("</HEAD>");
  sentPageColour_ = PageColour();
  html.insert(head == std::string::npos ? 0 : head,
              kLiveStyle + ("<STYLE>html,body{background-color:" + FromQ(sentPageColour_) +
                            "}</STYLE>\r\n"));
  if (!staging_->WritePage(kPageName, html)) {
    SetNotice(tr("The live view could not write its page."));
    return;
  }
  const QString folder = PathToQ(staging_->folder());
  profile_->SetRoot(QLatin1String(kHost), folder);
  const QUrl url = profile_->UrlFor(QLatin1String(kHost), folder + QLatin1String(kPageName));
  // The new document has a runtime and a bridge of its own.
  pageReady_ = pageLoaded_ = bridgeReady_ = false;
  pageLoading_ = true;
  sentSelection_.reset();
  page_->AllowLoad(url);
  page_->load(url);
  TakeAsSent(page);
  StartWatchdog();
#else
  (void)generated;
#endif
}

void LiveView::ReplaceProject(Page page) {
  const std::string& html = page.html;
  const std::size_t start = html.find("<APPLET");
  const std::size_t end = html.find("</APPLET>");
  if (start == std::string::npos || end == std::string::npos || end < start) {
    LoadPage();
    return;
  }
  const std::string applet = html.substr(start, end + std::strlen("</APPLET>") - start);
  emit session_->projectReplaced(PageToQ(applet), StageFiles());
  TakeAsSent(page);
  SendPageColour();
  SendSelection();
  StartWatchdog();
}

void LiveView::ShowSelection(Selected selected) {
  selected_ = std::move(selected);
  if (contrast_) contrast_->ShowSelection(selected_.current, selected_.state);
  SendSelection();
}

void LiveView::ShowSelection(int button, int state) {
  Selected one;
  one.current = button;
  if (button >= 0) one.marked = {button};
  if (button >= 0 && state >= 0) one.shown = {button};
  one.state = state;
  ShowSelection(std::move(one));
}

void LiveView::SendSelection() {
  if (!pageReady_ || !session_) return;
  const auto& buttons = doc_.buttons();
  const auto names = [&buttons](const std::vector<int>& indexes) {
    QStringList out;
    for (const int i : indexes)
      if (i >= 0 && static_cast<std::size_t>(i) < buttons.size())
        out << ToQ(buttons[static_cast<std::size_t>(i)]->name);
    return out;
  };
  // Tried, the buttons show what the pointer does to them.
  const Selection now{names(selected_.marked), trying_ ? QStringList() : names(selected_.shown),
                      trying_ || selected_.state < 0 ? 0 : selected_.state};
  // The page keeps what it was given, also when the project is replaced in it.
  if (sentSelection_ == now) return;
  sentSelection_ = now;
  emit session_->selectionChanged(now.marked, now.shown, now.state);
}

void LiveView::SetTrying(bool on) {
  if (trying_ == on) return;
  if (caption_) caption_->Store();
  trying_ = on;
  if (tryAction_ && tryAction_->isChecked() != on) tryAction_->setChecked(on);
  if (drag_.band && drag_.moved && session_) emit session_->bandChanged(0, 0, 0, 0);
  drag_ = Drag();
  if (!pageReady_) return;
  SendTrying();
}

void LiveView::SendTrying() {
  if (session_) emit session_->tryingChanged(trying_);
  SendSelection();
}

void LiveView::NoteFilesLeftOut() {
  const std::vector<std::string>& notices = staging_->notices();
  if (!notices.empty()) {
    SetNotice(ToQ(notices.front()));
  } else if (notingLargeFile_) {
    SetNotice(QString());
  }
  notingLargeFile_ = !notices.empty();
}

QString LiveView::PageColour() const {
  const PropProject* project = doc_.project();
  if (!project) return QLatin1String(kNoProjectColour);
  // The engine keeps a colour's red in its lowest byte.
  const uint32_t c = project->backgroundColor;
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)).name();
}

void LiveView::SendPageColour() {
#ifdef VB_HAVE_WEBENGINE
  const QString colour = PageColour();
  if (!page_ || colour == sentPageColour_) return;
  sentPageColour_ = colour;
  page_->runJavaScript(QLatin1String(kPageColourScript) + QStringLiteral("('%1')").arg(colour),
                       QWebEngineScript::ApplicationWorld);
#endif
}

void LiveView::FitApplet() {
#ifdef VB_HAVE_WEBENGINE
  const PropProject* project = doc_.project();
  if (!fitWanted_ || !pageReady_ || !project || !browser_ || !browser_->isVisible()) return;
  const QSize room = browser_->size() - QSize(kFitMargin, kFitMargin);
  if (room.width() < kFitLeast || room.height() < kFitLeast) return;
  fitWanted_ = false;
  const double width = std::max(1, project->projectWidth);
  const double height = std::max(1, project->projectHeight);
  const double fit = std::min(room.width() / width, room.height() / height) * kFullSize;
  SetZoom(std::min(kFullSize, static_cast<int>(std::floor(fit))));
#endif
}

void LiveView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A view laid out only now fits the project it waited with.
  if (fitWanted_) FitApplet();
}

QString LiveView::notice() const {
  return notice_ ? notice_->text() : QString();
}

void LiveView::SetNotice(const QString& text) {
  notice_->setText(text);
  notice_->setVisible(!text.isEmpty() || !available_);
}

void LiveView::OnDrawn() {
  ++drawnCount_;
  if (sinceChange_.isValid()) {
    lastUpdateMs_ = sinceChange_.nsecsElapsed() / 1e6;
    sinceChange_.invalidate();
  }
  emit drawn();
}

void LiveView::StartWatchdog() {
  Heartbeat();
}

void LiveView::Heartbeat() {
  // Only a page that is loading or loaded has a bridge to answer.
  if (!session_ || held_ || awaitingAnswer_ || !pageLoading_) return;
  awaitingAnswer_ = true;
  watchdog_->start();
  // The answer comes from the bridge's world, which the page's scripts cannot
  // reach, and only once the renderer is free to run it.
  emit session_->question(++question_);
}

void LiveView::OnAnswer() {
  awaitingAnswer_ = false;
  if (watchdog_) watchdog_->stop();
}

void LiveView::OnScriptsHeld() {
  // The project's scripts hold the page: it goes, and the next change tries again.
  held_ = true;
#ifdef VB_HAVE_WEBENGINE
  NewPage();
#endif
  SetNotice(
      tr("The project's scripts did not finish, so the live view stopped them. "
         "It starts again with the next change."));
}

bool LiveView::eventFilter(QObject* watched, QEvent* event) {
#ifdef VB_HAVE_WEBENGINE
  if (event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->modifiers() & Qt::ControlModifier) {
      if (wheel->angleDelta().y() > 0)
        ZoomIn();
      else if (wheel->angleDelta().y() < 0)
        ZoomOut();
      return true;
    }
  } else if (event->type() == QEvent::KeyPress &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
             static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
    emit keyboardReturned();
    return true;
  } else if (event->type() == QEvent::Leave && watched == filtered_ && trying_ && page_) {
    page_->runJavaScript(QLatin1String(kPointerLeftScript), QWebEngineScript::ApplicationWorld);
  } else if (event->type() == QEvent::KeyPress && !trying_ && FreeLayout()) {
    auto* key = static_cast<QKeyEvent*>(event);
    const int step = key->modifiers() & Qt::ShiftModifier ? kNudgeShift : kNudge;
    if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
      switch (key->key()) {
        case Qt::Key_Left:
          NudgeSelected(-step, 0);
          return true;
        case Qt::Key_Right:
          NudgeSelected(step, 0);
          return true;
        case Qt::Key_Up:
          NudgeSelected(0, -step);
          return true;
        case Qt::Key_Down:
          NudgeSelected(0, step);
          return true;
        default:
          break;
      }
    }
  } else if (event->type() == QEvent::ChildAdded && watched == browser_) {
    // The view's focus proxy (where keys and the wheel arrive) is made with the page.
    QTimer::singleShot(0, this, [this] {
      QWidget* proxy = browser_ ? browser_->focusProxy() : nullptr;
      if (proxy && proxy != filtered_) {
        proxy->installEventFilter(this);
        filtered_ = proxy;
      }
    });
  }
#endif
  return QWidget::eventFilter(watched, event);
}
