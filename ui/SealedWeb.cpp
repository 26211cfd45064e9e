#include "ui/SealedWeb.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#ifdef VB_HAVE_WEBENGINE
#include <QBuffer>
#include <QPointer>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineQuotaRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include "core/PageOptions.h"
#include "core/SafeFile.h"
#include "core/os/Os.h"
#include "output/Staging.h"
#endif

namespace sealed {

void RegisterScheme() {
#ifdef VB_HAVE_WEBENGINE
  if (QWebEngineUrlScheme::schemeByName(kScheme).name().isEmpty()) {
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Secure, so that a page's scripts work as on a published site; CORS, so
    // that a page may read its own input file.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
  }
#endif
}

void PrepareProcess() {
#ifdef VB_HAVE_WEBENGINE
  RegisterScheme();
  // The seal of the whole engine, which no page, frame or worker can undo:
  // every connection the network stack makes goes through a proxy whose name
  // never resolves (nor does any other name), the loopback addresses
  // included; WebRTC may use no connection but a proxied one (so no UDP, and
  // TURN over TCP meets the same dead proxy); QUIC and WebTransport are
  // switched off; and the engine makes no requests of its own.
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  const QByteArray ours =
      "--proxy-server=http://velkobutton-sealed.invalid:9 --proxy-bypass-list=<-loopback> "
      "\"--host-resolver-rules=MAP * ~NOTFOUND\" "
      "--force-webrtc-ip-handling-policy=disable_non_proxied_udp "
      "--webrtc-ip-handling-policy=disable_non_proxied_udp --disable-quic "
      "--disable-blink-features=WebTransport --disable-background-networking";
  if (!flags.contains(ours)) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " " + ours).trimmed());
#endif
}

void EndRenderer(long long pid) {
  if (pid <= 0) return;
  QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
  if (!cmdline.open(QIODevice::ReadOnly)) return;
  const QByteArray args = cmdline.readAll();
  if (args.contains("QtWebEngineProcess") && args.contains("--type=renderer"))
    os::KillProcess(static_cast<long>(pid));
}

}  // namespace sealed

#ifdef VB_HAVE_WEBENGINE

namespace {

// The largest file a sealed page is served (a project of 20,000 buttons
// makes a page of a few megabytes).
constexpr std::size_t kLargestServedFile = std::size_t(256) << 20;
// Alerts beyond this many a second are answered without a word, so that a
// page that loops over alert() cannot flood the status bar.
constexpr int kDialogsPerSecond = 20;

// What a page may do: run its scripts and read its own files, nothing that
// reaches outside; the runtime is the one file it may run as a script or a
// worker. Given before the page's first byte, so that it covers all of the
// page.
QByteArray Policy(const QString& host) {
  const QByteArray runtime =
      QByteArray(sealed::kScheme) + "://" + host.toLatin1() + "/" + kRuntimeFile;
  return "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'self' data: blob:; "
         "script-src " +
         runtime + " 'unsafe-inline' 'unsafe-eval'; worker-src " + runtime +
         "; style-src 'self' 'unsafe-inline'; connect-src 'self'; form-action 'none'; "
         "object-src 'none'; base-uri 'self'\">";
}

// Where the policy goes in a page: after its document type, so that a page
// that declares one is laid out as a browser lays it out on the web (in
// front of it, the page would fall back to the quirks of old browsers), and
// at the start of any other.
qsizetype PolicyPlace(const QByteArray& page) {
  qsizetype at = 0;
  if (page.startsWith("\xEF\xBB\xBF")) at = 3;
  while (at < page.size() && (page[at] == ' ' || page[at] == '\t' || page[at] == '\r' ||
                              page[at] == '\n' || page[at] == '\f'))
    ++at;
  if (page.mid(at, 9).toLower() != "<!doctype") return 0;
  const qsizetype end = page.indexOf('>', at);
  return end < 0 ? 0 : end + 1;
}

// Whether a request of `type` for `url` may run as a script: only the runtime.
bool RunsAsScript(QWebEngineUrlRequestInfo::ResourceType type) {
  switch (type) {
    case QWebEngineUrlRequestInfo::ResourceTypeScript:
    case QWebEngineUrlRequestInfo::ResourceTypeWorker:
    case QWebEngineUrlRequestInfo::ResourceTypeSharedWorker:
    case QWebEngineUrlRequestInfo::ResourceTypeServiceWorker:
      return true;
    default:
      return false;
  }
}

// Run before any script of a page or its frames: WebRTC is taken away, the
// one way to the network that no request filter sees.
const char kSealScript[] =
    "(function(){'use strict';"
    "['RTCPeerConnection','webkitRTCPeerConnection','RTCDataChannel','RTCIceCandidate',"
    "'RTCSessionDescription','RTCRtpSender','RTCRtpReceiver','RTCRtpTransceiver',"
    "'WebTransport'].forEach(function(n){try{delete window[n];}catch(e){}"
    "try{Object.defineProperty(window,n,{value:undefined,configurable:false,writable:false});}"
    "catch(e){}});})();";

// Run before any script of a page or its frames: nothing a page does reaches
// the user's clipboard. A page chooses what a copy would hold (a hidden text
// area it selects, a copy handler's data, text it lays out of sight inside
// what the user selects), so no copy or cut in it is carried out, whether a
// script asks for one or the user's keys or menu do: the event is cancelled
// before any of the page's handlers sees it and leaves no data, the editing
// commands refuse them, and the asynchronous clipboard is gone. The help
// pages are the program's own and keep their copy. What the script uses is
// taken when the document is made, before the page could replace it.
const char kClipboardSealScript[] =
    "(function(){'use strict';var w=window;"
    "if(w.location.protocol==='velko:'&&w.location.hostname==='help')return;"
    "var apply=w.Reflect.apply,define=w.Object.defineProperty,toText=w.String,"
    "lower=w.String.prototype.toLowerCase,cancel=w.Event.prototype.preventDefault,"
    "stopAll=w.Event.prototype.stopImmediatePropagation;"
    "function refuse(e){apply(cancel,e,[]);apply(stopAll,e,[]);}"
    "w.addEventListener('copy',refuse,true);w.addEventListener('cut',refuse,true);"
    "var doc=w.Document.prototype,exec=doc.execCommand;"
    "try{define(doc,'execCommand',{configurable:false,writable:false,enumerable:true,"
    "value:function execCommand(command){var name=apply(lower,toText(command),[]);"
    "if(name==='copy'||name==='cut')return false;var args=[name];"
    "for(var i=1;i<arguments.length;i++)args[i]=arguments[i];return apply(exec,this,args);}});}"
    "catch(e){}"
    "try{define(w.Navigator.prototype,'clipboard',{configurable:false,enumerable:true,"
    "get:function(){return undefined;}});}catch(e){}"
    "if(w.Clipboard)['read','readText','write','writeText'].forEach(function(n){"
    "try{define(w.Clipboard.prototype,n,{configurable:false,writable:false,value:function(){"
    "return w.Promise.reject(new w.DOMException('The clipboard is not available.',"
    "'NotAllowedError'));}});}catch(e){}});})();";

// What a file is served as: an image or sound as the type its first bytes
// show, whatever its name says (a "GIF" that is also valid JavaScript stays
// an image); the runtime as the one script; a page, or a help page's style, by
// its name; anything else (the input file, the applet's files) as plain
// text. The scheme is never sniffed, so a type given is the type used.
QByteArray ServedType(const QString& file) {
  const QFileInfo info(file);
  const std::string media = SniffMediaType(QFile::encodeName(file).toStdString());
  if (!media.empty()) return QByteArray::fromStdString(media);
  if (info.fileName() == QLatin1String(kRuntimeFile)) return "text/javascript";
  const QString suffix = info.suffix().toLower();
  if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) return "text/html";
  if (suffix == QLatin1String("css")) return "text/css";
  return "text/plain";
}

// Serves each host's files from its folder and nothing else.
class SchemeHandler : public QWebEngineUrlSchemeHandler {
 public:
  explicit SchemeHandler(SealedProfile* profile)
      : QWebEngineUrlSchemeHandler(profile), profile_(profile) {}

  void requestStarted(QWebEngineUrlRequestJob* job) override {
    const QUrl url = job->requestUrl();
    const QString root = profile_->Root(url.host());
    if (root.isEmpty() || job->requestMethod() != "GET") {
      job->fail(QWebEngineUrlRequestJob::RequestDenied);
      return;
    }
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    const QString file =
        QFileInfo(QDir(root).filePath(url.path(QUrl::FullyDecoded).mid(1))).canonicalFilePath();
    // A name that leaves the folder (through "..", or a link to elsewhere) is refused.
    if (canonicalRoot.isEmpty() || file.isEmpty() || !file.startsWith(canonicalRoot + '/')) {
      job->fail(QWebEngineUrlRequestJob::UrlNotFound);
      return;
    }
    safefile::FileBytes bytes;
    if (!safefile::ReadAll(QFile::encodeName(file).toStdString(), bytes, kLargestServedFile)) {
      job->fail(QWebEngineUrlRequestJob::UrlNotFound);
      return;
    }
    const QByteArray type = ServedType(file);
    QByteArray body(bytes.data.get(), static_cast<qsizetype>(bytes.size));
    if (type == "text/html") body.insert(PolicyPlace(body), Policy(url.host()));
    auto* buffer = new QBuffer(job);
    buffer->setData(body);
    job->reply(type, buffer);
  }

 private:
  SealedProfile* profile_;
};

// Every request that is not for the scheme's own files, or a page's own
// data: and blob: content, is refused: http(s), WebSocket, file, ftp, any
// host; and no file but the runtime is fetched to run as a script or worker.
class Interceptor : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const QUrl url = info.requestUrl();
    const QString scheme = url.scheme();
    // Nothing but the runtime runs as a script or a worker, whatever the
    // page's policy says.
    if (RunsAsScript(info.resourceType())) {
      if (scheme != QLatin1String(sealed::kScheme) ||
          url.path() != QLatin1Char('/') + QLatin1String(kRuntimeFile))
        info.block(true);
      return;
    }
    if (scheme == QLatin1String(sealed::kScheme) || scheme == QLatin1String("data") ||
        scheme == QLatin1String("blob"))
      return;
    info.block(true);
  }
};

bool OwnContent(const QUrl& url) {
  const QString scheme = url.scheme();
  return scheme == QLatin1String(sealed::kScheme) || scheme == QLatin1String("data") ||
         scheme == QLatin1String("blob") || scheme == QLatin1String("about");
}

}  // namespace

SealedProfile::SealedProfile(QObject* parent) : QWebEngineProfile(parent) {
  // No name: off the record, nothing written to disk, nothing kept.
  setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
  setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
  setSpellCheckEnabled(false);
  handler_ = new SchemeHandler(this);
  installUrlSchemeHandler(sealed::kScheme, handler_);
  interceptor_ = new Interceptor(this);
  setUrlRequestInterceptor(interceptor_);
  // Downloads are never started.
  connect(this, &QWebEngineProfile::downloadRequested, this,
          [](QWebEngineDownloadRequest* download) { download->cancel(); });

  QWebEngineSettings* s = settings();
  s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
  s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
  s->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
  s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
  s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
  s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
  s->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
  s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
  s->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
  s->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
  s->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
  s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
  s->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);

  QWebEngineScript seal;
  seal.setName(QStringLiteral("velkobutton-seal"));
  seal.setSourceCode(QString::fromLatin1(kSealScript));
  seal.setInjectionPoint(QWebEngineScript::DocumentCreation);
  seal.setWorldId(QWebEngineScript::MainWorld);
  seal.setRunsOnSubFrames(true);
  scripts()->insert(seal);
  QWebEngineScript clipboard = seal;
  clipboard.setName(QStringLiteral("velkobutton-clipboard-seal"));
  clipboard.setSourceCode(QString::fromLatin1(kClipboardSealScript));
  scripts()->insert(clipboard);
}

SealedProfile::~SealedProfile() {
  // The profile's pages go first (they are its children or the view's). A
  // request that still arrives while the profile is taken apart finds no
  // handler, rather than one that reads the folders already gone.
  removeAllUrlSchemeHandlers();
  setUrlRequestInterceptor(nullptr);
}

void SealedProfile::SetRoot(const QString& host, const QString& folder) {
  roots_.insert(host, QDir(folder).absolutePath());
}

QString SealedProfile::Root(const QString& host) const {
  return roots_.value(host);
}

QUrl SealedProfile::UrlFor(const QString& host, const QString& path) const {
  const QString root = Root(host);
  if (root.isEmpty()) return QUrl();
  const QString relative = QDir(root).relativeFilePath(QFileInfo(path).absoluteFilePath());
  if (relative.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(relative)) return QUrl();
  QUrl url;
  url.setScheme(sealed::kScheme);
  url.setHost(host);
  url.setPath('/' + relative);
  return url;
}

SealedPage::SealedPage(SealedProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {
  connect(this, &QWebEnginePage::featurePermissionRequested, this,
          [this](const QUrl& origin, Feature feature) {
            setFeaturePermission(origin, feature, PermissionDeniedByUser);
          });
  connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
          [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
  connect(this, &QWebEnginePage::fullScreenRequested, this,
          [](QWebEngineFullScreenRequest request) { request.reject(); });
  connect(this, &QWebEnginePage::quotaRequested, this,
          [](QWebEngineQuotaRequest request) { request.reject(); });
  connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
          [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
  // A new window would show the link's page: the link is shown instead.
  connect(this, &QWebEnginePage::newWindowRequested, this,
          [this](QWebEngineNewWindowRequest& request) { ReportLink(request.requestedUrl()); });
}

bool SealedPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  if (!OwnContent(url)) {
    if (isMainFrame) ReportLink(url);
    return false;
  }
  if (!isMainFrame) return true;
  const QUrl target = url.adjusted(QUrl::RemoveFragment);
  // The program's own loads, going back and reloading, and help pages that
  // link to each other; a page that is previewed stays where it is.
  if (target == allowed_ || type == NavigationTypeBackForward || type == NavigationTypeReload ||
      (url.scheme() == QLatin1String(sealed::kScheme) && url.host() == QLatin1String("help") &&
       allowed_.host() == QLatin1String("help")))
    return true;
  ReportLink(url);
  return false;
}

void SealedPage::ReportLink(const QUrl& url) {
  emit statusText(tr("Link: %1").arg(url.toDisplayString()));
}

void SealedPage::ReportDialog(const QString& text) {
  if (!dialogClock_.isValid() || dialogClock_.elapsed() >= 1000) {
    dialogClock_.start();
    dialogsThisSecond_ = 0;
  }
  if (++dialogsThisSecond_ <= kDialogsPerSecond) emit statusText(text);
}

void SealedPage::javaScriptAlert(const QUrl&, const QString& text) {
  ReportDialog(text);
}

bool SealedPage::javaScriptConfirm(const QUrl&, const QString& text) {
  ReportDialog(text);
  return false;  // Cancel
}

bool SealedPage::javaScriptPrompt(const QUrl&, const QString& text, const QString&, QString*) {
  ReportDialog(text);
  return false;  // no answer
}

QStringList SealedPage::chooseFiles(FileSelectionMode, const QStringList&, const QStringList&) {
  return QStringList();
}

namespace sealed {

void RetirePage(QWebEngineView* view, QWebEnginePage* old) {
  if (!old) return;
  // A renderer still running a script this long after its page went is ended.
  constexpr int kRendererGraceMs = 1500;
  const qint64 pid = old->renderProcessPid();
  delete old;
  QPointer<QWebEngineView> alive(view);
  QTimer::singleShot(kRendererGraceMs, [alive, pid] {
    if (alive && alive->page() && alive->page()->renderProcessPid() == pid) return;
    EndRenderer(pid);
  });
}

}  // namespace sealed

#endif  // VB_HAVE_WEBENGINE
