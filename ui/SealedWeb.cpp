#include "ui/SealedWeb.h"

#include <signal.h>
#include <sys/types.h>

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

#include "core/SafeFile.h"
#endif

namespace sealed {

void PrepareProcess() {
#ifdef VB_HAVE_WEBENGINE
  if (QWebEngineUrlScheme::schemeByName(kScheme).name().isEmpty()) {
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Secure, so that a page's scripts work as on a published site; CORS, so
    // that a page may read its own input file.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
  }
  // WebRTC sends its packets past every request filter: without a proxy it
  // may send none. The engine's own background requests stay off too.
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  const QByteArray ours =
      "--force-webrtc-ip-handling-policy=disable_non_proxied_udp "
      "--webrtc-ip-handling-policy=disable_non_proxied_udp --disable-background-networking";
  if (!flags.contains(ours)) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " " + ours).trimmed());
#endif
}

void EndRenderer(long long pid) {
  if (pid <= 0) return;
  QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
  if (!cmdline.open(QIODevice::ReadOnly)) return;
  const QByteArray args = cmdline.readAll();
  if (args.contains("QtWebEngineProcess") && args.contains("--type=renderer"))
    ::kill(static_cast<pid_t>(pid), SIGKILL);
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
// reaches outside. Given before the page's first byte, so that it covers all
// of the page.
const char kPolicy[] =
    "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'self' data: blob:; "
    "script-src 'self' 'unsafe-inline' 'unsafe-eval'; style-src 'self' 'unsafe-inline'; "
    "connect-src 'self'; form-action 'none'; object-src 'none'; base-uri 'self'\">";

// Run before any script of a page or its frames: WebRTC is taken away, the
// one way to the network that no request filter sees.
const char kSealScript[] =
    "(function(){'use strict';"
    "['RTCPeerConnection','webkitRTCPeerConnection','RTCDataChannel','RTCIceCandidate',"
    "'RTCSessionDescription','RTCRtpSender','RTCRtpReceiver','RTCRtpTransceiver',"
    "'WebTransport'].forEach(function(n){try{delete window[n];}catch(e){}"
    "try{Object.defineProperty(window,n,{value:undefined,configurable:false,writable:false});}"
    "catch(e){}});})();";

QByteArray MimeType(const QString& path) {
  static const struct {
    const char* suffix;
    const char* type;
  } kTypes[] = {
      {"html", "text/html"}, {"htm", "text/html"},    {"js", "text/javascript"},
      {"css", "text/css"},   {"txt", "text/plain"},   {"gif", "image/gif"},
      {"jpg", "image/jpeg"}, {"jpeg", "image/jpeg"},  {"png", "image/png"},
      {"bmp", "image/bmp"},  {"webp", "image/webp"},  {"svg", "image/svg+xml"},
      {"au", "audio/basic"}, {"wav", "audio/wav"},    {"mp3", "audio/mpeg"},
      {"ogg", "audio/ogg"},  {"ico", "image/x-icon"},
  };
  const QString suffix = QFileInfo(path).suffix().toLower();
  for (const auto& t : kTypes)
    if (suffix == QLatin1String(t.suffix)) return t.type;
  return "application/octet-stream";
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
    const QByteArray type = MimeType(file);
    QByteArray body;
    if (type == "text/html") body = kPolicy;
    body.append(bytes.data.get(), static_cast<qsizetype>(bytes.size));
    auto* buffer = new QBuffer(job);
    buffer->setData(body);
    job->reply(type, buffer);
  }

 private:
  SealedProfile* profile_;
};

// Every request that is not for the scheme's own files, or a page's own
// data: and blob: content, is refused: http(s), WebSocket, file, ftp, any host.
class Interceptor : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const QString scheme = info.requestUrl().scheme();
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
}

SealedProfile::~SealedProfile() {
  // The profile's pages go first (they are its children or the view's).
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
