#include "ui/LiveView.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
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
#include "ui/KesWndInfo.h"
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

// The zoom steps of Ctrl+plus and Ctrl+minus, in percent.
constexpr int kZoomSteps[] = {50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};
constexpr int kZoomMin = 50;
constexpr int kZoomMax = 400;
// A drag starts once the pointer has gone this far (applet pixels, both ways together).
constexpr double kDragThreshold = 3;
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

// The editor's side of the live view, run in a world of its own: the
// project's scripts can neither see nor call it. While the buttons are not
// being tried, it reports the pointer in applet pixels and keeps the page's
// own answer to it (a link followed, a box checked, text selected, the
// focus moved, a link dragged away) from happening; and it reports the
// runtime's drawings.
const char* const kBridgeScript = R"JS(
(function () {
  'use strict';
  var live = null;
  var trying = false;
  var down = false;
  var pending = null;
  // Called by the editor.
  // The page's buttons take the mouse only while they are tried.
  function follow() {
    var e = document.documentElement;
    if (e) e.classList.toggle('velko-live-editing', !trying);
  }
  window.velkoLiveTry = function (on) { trying = !!on; down = false; follow(); };
  document.addEventListener('DOMContentLoaded', follow);
  new QWebChannel(qt.webChannelTransport, function (channel) { live = channel.objects.live; });
  // The buttons' container, whose corner is the applet's (0, 0).
  function root() {
    var a = document.querySelector('applet');
    return a && a.querySelector('.vb');
  }
  function inside(ev) {
    var r = root();
    return !!r && r.contains(ev.target);
  }
  // The pointer in the applet's own pixels, whatever the zoom; a free layout
  // that the page shrinks to fit a narrow view counts at its full size.
  function at(ev) {
    var s = root();
    if (!s) return null;
    var r = s.getBoundingClientRect();
    var w = parseFloat(s.parentNode.getAttribute('width'));
    var free = !/flex/.test(getComputedStyle(s).display);
    var k = free && w > 0 && r.width > 0 ? w / r.width : 1;
    var within = ev.clientX >= r.left && ev.clientX < r.right && ev.clientY >= r.top && ev.clientY < r.bottom;
    return { x: (ev.clientX - r.left) * k, y: (ev.clientY - r.top) * k, inside: within };
  }
  // One move a frame is enough for a drag; the last one goes before the release.
  function flush() {
    if (pending && live) live.pointer('move', pending.x, pending.y);
    pending = null;
  }
  document.addEventListener('pointerdown', function (ev) {
    // Only the user's own input: a page's script can make events, never trusted ones.
    if (!ev.isTrusted || trying || ev.button !== 0 || !live) return;
    var p = at(ev);
    if (!p || !p.inside) return;
    ev.preventDefault();
    ev.stopPropagation();
    // With Ctrl (or Command) the button joins the selection and does not move.
    if (ev.ctrlKey || ev.metaKey) { live.pointer('add', p.x, p.y); return; }
    down = true;
    live.pointer('down', p.x, p.y);
  }, true);
  window.addEventListener('pointermove', function (ev) {
    if (!down || !ev.isTrusted) return;
    var p = at(ev);
    if (!p) return;
    if (!pending) requestAnimationFrame(flush);
    pending = p;
  }, true);
  window.addEventListener('pointerup', function (ev) {
    if (!down || !ev.isTrusted) return;
    down = false;
    var p = at(ev);
    flush();
    if (p && live) live.pointer('up', p.x, p.y);
  }, true);
  // The buttons are the page's links, labels and buttons: while the editor
  // has the mouse, what the browser would do with them does not happen.
  ['mousedown', 'click', 'auxclick', 'dblclick', 'dragstart', 'selectstart'].forEach(function (type) {
    document.addEventListener(type, function (ev) {
      if (trying || !inside(ev)) return;
      ev.preventDefault();
      ev.stopPropagation();
    }, true);
  });
  document.addEventListener('velkobutton-drawn', function () { if (live) live.drawn(); }, true);
})();
)JS";

// `text` as a JavaScript string literal, plain ASCII.
QString JsString(const QString& text) {
  QString out = QStringLiteral("'");
  for (const QChar c : text) {
    const ushort u = c.unicode();
    if (u == '\\' || u == '\'') out += QLatin1Char('\\') + c;
    // '%' too, so that a later QString::arg finds no place marker in it.
    else if (u < 0x20 || u >= 0x7F || u == '<' || u == '%')
      out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
    else
      out += c;
  }
  return out + QLatin1Char('\'');
}

// Whether `line` of the page's style sheet is a rule of the buttons' looks
// ("#vb-Id .l3:hover,..."): the runtime gives each element its look inline,
// over these rules, so the page need not load anew when they change.
bool LookRule(const std::string& line) {
  const std::size_t space = line.find(' ');
  return !line.empty() && line[0] == '#' && space != std::string::npos &&
         line.compare(space, 3, " .l") == 0 && space + 3 < line.size() &&
         std::isdigit(static_cast<unsigned char>(line[space + 3]));
}

// The page without its applet, its rules of looks and its description (the
// captions, which the runtime shows from the project): what a change of the
// project alone leaves as it is.
std::string ShellOf(const std::string& html) {
  const std::size_t start = html.find("<APPLET");
  const std::size_t end = html.find("</APPLET>");
  if (start == std::string::npos || end == std::string::npos || end < start) return html;
  const std::string rest = html.substr(0, start) + html.substr(end);
  std::string shell;
  for (std::size_t at = 0; at < rest.size();) {
    const std::size_t eol = std::min(rest.find('\n', at), rest.size() - 1) + 1;
    const std::string line = rest.substr(at, eol - at);
    if (!LookRule(line) && line.rfind("<META NAME=\"description\"", 0) != 0) shell += line;
    at = eol;
  }
  return shell;
}

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

#ifdef VB_HAVE_WEBENGINE
// The object the page's bridge talks to.
class LiveBridge : public QObject {
  Q_OBJECT
 public:
  explicit LiveBridge(LiveView* view) : QObject(view), view_(view) {}
  Q_INVOKABLE void pointer(const QString& kind, double x, double y) {
    if (std::isfinite(x) && std::isfinite(y)) view_->OnPointer(kind, x, y);
  }
  Q_INVOKABLE void drawn() { view_->OnDrawn(); }

 private:
  LiveView* view_;
};
#endif

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
    layout->addWidget(notice_);
    notice_->hide();
    bridge_ = new LiveBridge(this);
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
void LiveView::NewPage() {
  SealedPage* old = page_;
  page_ = new SealedPage(profile_, browser_);
  ++pageNumber_;
  awaitingAnswer_ = false;
  if (watchdog_) watchdog_->stop();
  connect(page_, &SealedPage::statusText, this, &LiveView::statusText);
  // The channel belongs to its page and goes with it (the old page still uses the old one).
  channel_ = new QWebChannel(page_);
  channel_->registerObject(QStringLiteral("live"), bridge_);
  page_->setWebChannel(channel_, QWebEngineScript::ApplicationWorld);
  QFile client(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
  QString source;
  if (client.open(QIODevice::ReadOnly)) source = QString::fromUtf8(client.readAll());
  QWebEngineScript bridge;
  bridge.setName(kBridgeName);
  bridge.setSourceCode(source + QLatin1Char('\n') + QLatin1String(kBridgeScript));
  bridge.setInjectionPoint(QWebEngineScript::DocumentCreation);
  bridge.setWorldId(QWebEngineScript::ApplicationWorld);
  bridge.setRunsOnSubFrames(false);
  page_->scripts().insert(bridge);
  connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
    // A page that did not load is made anew with the next change.
    if (!ok) {
      pageWanted_ = true;
      return;
    }
    pageReady_ = true;
    if (changedWhileLoading_) {
      changedWhileLoading_ = false;
      ScheduleUpdate();
    }
    page_->setZoomFactor(zoom_ / 100.0);
    SendTrying();
    OnDrawn();
  });
  browser_->setPage(page_);
  pageReady_ = false;
  sealed::RetirePage(browser_, old);
}
#endif

void LiveView::OnDocChanged(const DocChange& change) {
  switch (change.kind) {
    case DocChange::Kind::ModifiedChanged:
    case DocChange::Kind::HistoryChanged:
      return;
    case DocChange::Kind::Replaced:
      pageWanted_ = true;
      break;
    default:
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
  // One generation gives the page, its applet and the files it names. A
  // change outside the applet (the page's colours, its scripts) needs the
  // page anew.
  std::string html = PageHtml();
  if (ShellOf(html) != shell_) {
    LoadPage(std::move(html));
    return;
  }
  if (!SendChangedButtons(html)) ReplaceProject(html);
}

void LiveView::TakeAsSent() {
  sent_ = std::move(pending_);
  sentNames_.clear();
  for (const auto& b : doc_.buttons()) sentNames_.push_back(b->name);
  lastButtonsSent_ = doc_.ButtonCount();
}

bool LiveView::SendChangedButtons(const std::string& html) {
  std::vector<std::string> names;
  for (const auto& b : doc_.buttons()) names.push_back(b->name);
  const PropProject* project = doc_.project();
  // Buttons added, removed, moved or renamed, a change before the buttons,
  // or scripts that run when the page starts: the whole project.
  if (!sentWhole_ || pending_.buttons.size() != sent_.buttons.size() || names != sentNames_ ||
      pending_.head != sent_.head || !project || !project->afterScript.empty())
    return false;
  QStringList statements;
  for (std::size_t i = 0; i < pending_.buttons.size(); ++i)
    if (pending_.buttons[i] != sent_.buttons[i])
      statements << QStringLiteral("d('%1')").arg(
          QString::fromLatin1(QByteArray::fromStdString(pending_.buttons[i]).toBase64()));
  // The page's lists of images and sounds, which the statements number.
  std::string lists;
  for (const char* name : {"<PARAM NAME=Images0 ", "<PARAM NAME=Audio0 "}) {
    const std::size_t at = html.find(name);
    if (at != std::string::npos) lists += html.substr(at, html.find('>', at) + 1 - at);
  }
  QStringList changed;
  for (const std::string& name : UpdateStaging()) changed << JsString(PathToQ(name));
  NoteFilesLeftOut();
  RunOnApplet(QStringLiteral("var d=function(s){var b=atob(s);var u=new Uint8Array(b.length);"
                             "for(var i=0;i<b.length;i++)u[i]=b.charCodeAt(i);"
                             "return R.decode1252(u.buffer);};"
                             "c.update([%1],d('%2'),[%3]);")
                  .arg(statements.join(QLatin1Char(',')))
                  .arg(QString::fromLatin1(QByteArray::fromStdString(lists).toBase64()))
                  .arg(changed.join(QLatin1Char(','))));
  lastButtonsSent_ = static_cast<std::size_t>(statements.size());
  sent_ = std::move(pending_);
  SendSelection();
  StartWatchdog();
  return true;
}

std::string LiveView::PageHtml() {
  const KesDoc::RuntimeScope runtime(doc_, KesDoc::kRuntimeAlways);
  Doc::ScriptParts parts;
  doc_.scriptParts = &parts;
  std::string html = doc_.BuildHtml(PageMode::Page);
  doc_.scriptParts = nullptr;
  sentWhole_ = parts.buttons.size() == doc_.ButtonCount();
  // Kept for the next update, which compares; taken as sent once it is.
  pending_ = std::move(parts);
  return html;
}

std::vector<std::string> LiveView::UpdateStaging() {
  const KesDoc::RuntimeScope runtime(doc_, KesDoc::kRuntimeAlways);
  std::vector<std::string> files;
  std::vector<GateKind> expected;
  doc_.GetResourceFiles(files, expected);
  return staging_->Update(files, expected);
}

void LiveView::LoadPage(std::string html) {
#ifdef VB_HAVE_WEBENGINE
  if (held_) {
    held_ = false;
    NewPage();
  }
  pageWanted_ = false;
  SetNotice(QString());
  if (html.empty()) html = PageHtml();
  shell_ = ShellOf(html);
  UpdateStaging();
  NoteFilesLeftOut();
  const std::size_t head = html.find("</HEAD>");
  html.insert(head == std::string::npos ? 0 : head, kLiveStyle);
  if (!staging_->WritePage(kPageName, html)) {
    SetNotice(tr("The live view could not write its page."));
    return;
  }
  const QString folder = PathToQ(staging_->folder());
  profile_->SetRoot(QLatin1String(kHost), folder);
  const QUrl url = profile_->UrlFor(QLatin1String(kHost), folder + QLatin1String(kPageName));
  pageReady_ = false;
  page_->AllowLoad(url);
  page_->load(url);
  TakeAsSent();
  StartWatchdog();
#endif
}

void LiveView::ReplaceProject(const std::string& html) {
  const std::size_t start = html.find("<APPLET");
  const std::size_t end = html.find("</APPLET>");
  if (start == std::string::npos || end == std::string::npos || end < start) {
    LoadPage();
    return;
  }
  const std::string applet = html.substr(start, end + std::strlen("</APPLET>") - start);
  QStringList changed;
  for (const std::string& name : UpdateStaging()) changed << JsString(PathToQ(name));
  NoteFilesLeftOut();
  RunOnApplet(QStringLiteral("var b=atob('%1');var u=new Uint8Array(b.length);"
                             "for(var i=0;i<b.length;i++)u[i]=b.charCodeAt(i);"
                             "c.replaceApplet(R.decode1252(u.buffer),[%2]);")
                  .arg(QString::fromLatin1(QByteArray::fromStdString(applet).toBase64()))
                  .arg(changed.join(QLatin1Char(','))));
  TakeAsSent();
  SendSelection();
  StartWatchdog();
}

void LiveView::ShowSelection(int button, int state) {
  selButton_ = button;
  selState_ = state;
  SendSelection();
}

void LiveView::SendSelection() {
  if (!pageReady_) return;
  const auto& buttons = doc_.buttons();
  QString name;
  if (selButton_ >= 0 && static_cast<std::size_t>(selButton_) < buttons.size())
    name = ToQ(buttons[static_cast<std::size_t>(selButton_)]->name);
  const int state = trying_ || selState_ < 0 ? 0 : selState_;
  RunOnApplet(QStringLiteral("c.mark(%1);c.show(%2,%3);")
                  .arg(name.isEmpty() ? QStringLiteral("null") : JsString(name))
                  .arg(name.isEmpty() || trying_ ? QStringLiteral("null") : JsString(name))
                  .arg(state));
}

void LiveView::SetZoom(int percent) {
  zoom_ = std::clamp(percent, kZoomMin, kZoomMax);
  if (zoomLabel_) zoomLabel_->setText(QStringLiteral("%1%").arg(zoom_));
#ifdef VB_HAVE_WEBENGINE
  if (page_) page_->setZoomFactor(zoom_ / 100.0);
#endif
}

void LiveView::ZoomIn() {
  for (int step : kZoomSteps)
    if (step > zoom_) {
      SetZoom(step);
      return;
    }
}

void LiveView::ZoomOut() {
  for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
    if (*it < zoom_) {
      SetZoom(*it);
      return;
    }
}

void LiveView::SetTrying(bool on) {
  if (trying_ == on) return;
  trying_ = on;
  if (tryAction_ && tryAction_->isChecked() != on) tryAction_->setChecked(on);
  drag_ = Drag();
  if (!pageReady_) return;
  SendTrying();
}

void LiveView::SendTrying() {
  const QString on = trying_ ? QStringLiteral("true") : QStringLiteral("false");
  RunInBridge(QStringLiteral("window.velkoLiveTry(%1)").arg(on));
  RunOnApplet(QStringLiteral("c.interactive(%1);").arg(on));
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

QString LiveView::notice() const {
  return notice_ ? notice_->text() : QString();
}

void LiveView::SetNotice(const QString& text) {
  notice_->setText(text);
  notice_->setVisible(!text.isEmpty() || !available_);
}

bool LiveView::FreeLayout() const {
  return doc_.project() && doc_.project()->layout == PropProject::kLayoutFree;
}

int LiveView::HitTest(double x, double y, int skip) const {
  const auto& buttons = doc_.buttons();
  for (int i = static_cast<int>(buttons.size()) - 1; i >= 0; --i) {
    const PropButton& b = *buttons[static_cast<std::size_t>(i)];
    if (i == skip || !b.show) continue;
    if (x >= b.x && y >= b.y && x < double(b.x) + b.width && y < double(b.y) + b.height) return i;
  }
  return -1;
}

void LiveView::OnPointer(const QString& kind, double x, double y) {
  if (trying_) return;
  const auto& buttons = doc_.buttons();
  if (kind == QLatin1String("add")) {
    drag_ = Drag();
    const int index = HitTest(x, y);
    if (index >= 0) emit buttonClicked(index, true);
    return;
  }
  if (kind == QLatin1String("down")) {
    drag_ = Drag();
    drag_.index = HitTest(x, y);
    drag_.x = x;
    drag_.y = y;
    if (drag_.index >= 0) emit buttonClicked(drag_.index, false);
    return;
  }
  if (drag_.index < 0 || static_cast<std::size_t>(drag_.index) >= buttons.size()) return;
  const PropButton& button = *buttons[static_cast<std::size_t>(drag_.index)];
  const QString name = JsString(ToQ(button.name));
  const int dx = static_cast<int>(std::lround(x - drag_.x));
  const int dy = static_cast<int>(std::lround(y - drag_.y));
  const auto offset = [this, &name](int ox, int oy) {
    RunOnApplet(QStringLiteral("c.offset(%1,%2,%3);").arg(name).arg(ox).arg(oy));
  };
  if (kind == QLatin1String("move")) {
    if (!drag_.moved && std::abs(x - drag_.x) + std::abs(y - drag_.y) > kDragThreshold)
      drag_.moved = true;
    if (drag_.moved) offset(dx, dy);
    return;
  }
  if (kind != QLatin1String("up")) return;
  const Drag drag = drag_;
  drag_ = Drag();
  if (!drag.moved) return;
  bool changed = false;
  if (FreeLayout()) {
    changed = doc_.PlaceButtonAt(drag.index, button.x + dx, button.y + dy);
  } else {
    // Dropped on another button: before it, or after it past its middle.
    const int target = HitTest(x, y, drag.index);
    if (target >= 0) {
      const PropButton& t = *buttons[static_cast<std::size_t>(target)];
      const bool column = doc_.project() && doc_.project()->layout == PropProject::kLayoutColumn;
      const bool after = column ? y >= t.y + t.height / 2.0 : x >= t.x + t.width / 2.0;
      const int place = target + (after ? 1 : 0);
      const int to = place > drag.index ? place - 1 : place;
      changed = doc_.MoveButtonTo(drag.index, to);
    }
  }
  if (!changed) offset(0, 0);
}

void LiveView::TakeKeyboard() {
#ifdef VB_HAVE_WEBENGINE
  if (browser_) browser_->setFocus(Qt::MouseFocusReason);
#endif
}

void LiveView::NudgeSelected(int dx, int dy) {
  const auto& buttons = doc_.buttons();
  if (selButton_ < 0 || static_cast<std::size_t>(selButton_) >= buttons.size()) return;
  const PropButton& b = *buttons[static_cast<std::size_t>(selButton_)];
  doc_.PlaceButtonAt(selButton_, b.x + dx, b.y + dy);
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
#ifdef VB_HAVE_WEBENGINE
  if (!page_ || held_ || awaitingAnswer_) return;
  awaitingAnswer_ = true;
  watchdog_->start();
  const int number = pageNumber_;
  QPointer<LiveView> self(this);
  // The answer comes from the bridge's world, which the page's scripts cannot
  // reach, and only once the renderer is free to run it.
  page_->runJavaScript(QStringLiteral("1"), QWebEngineScript::ApplicationWorld,
                       [self, number](const QVariant&) {
                         if (!self || number != self->pageNumber_) return;
                         self->awaitingAnswer_ = false;
                         self->watchdog_->stop();
                       });
#endif
}

void LiveView::OnScriptsHeld() {
  // The project's scripts hold the page: it goes, and the next change tries again.
  held_ = true;
  pageReady_ = false;
#ifdef VB_HAVE_WEBENGINE
  NewPage();
#endif
  SetNotice(
      tr("The project's scripts did not finish, so the live view stopped them. "
         "It starts again with the next change."));
}

void LiveView::RunInPage(const QString& js) {
#ifdef VB_HAVE_WEBENGINE
  if (page_) page_->runJavaScript(js, QWebEngineScript::MainWorld);
#else
  (void)js;
#endif
}

void LiveView::RunOnApplet(const QString& body) {
  RunInPage(QStringLiteral("(function(){var R=window.VelkoButtonRuntime;"
                           "var c=R&&R.control(0);if(!c)return;%1})()")
                .arg(body));
}

void LiveView::RunInBridge(const QString& js) {
#ifdef VB_HAVE_WEBENGINE
  if (page_) page_->runJavaScript(js, QWebEngineScript::ApplicationWorld);
#else
  (void)js;
#endif
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

#include "LiveView.moc"
