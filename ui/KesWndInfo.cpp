#include "ui/KesWndInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdlib>
#include <cstring>

#include "ui/SealedWeb.h"

#ifdef VB_HAVE_WEBENGINE
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#endif

namespace {

// Whether `address` names something outside this computer's files.
bool IsRemote(const QString& address) {
  return (address.contains(QLatin1String("://")) &&
          !address.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) ||
         address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
}

}  // namespace

bool KesWndInfo::BrowserPossible() {
#ifdef VB_HAVE_WEBENGINE
  const char* off = std::getenv("VELKOBUTTON_NO_BROWSER");
  return !(off && std::strcmp(off, "1") == 0);
#else
  return false;
#endif
}

KesWndInfo::KesWndInfo(QWidget* parent, bool allowBrowser) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
#ifdef VB_HAVE_WEBENGINE
  if (allowBrowser && BrowserPossible()) {
    profile_ = new SealedProfile(this);
    browser_ = new QWebEngineView(this);
    layout->addWidget(browser_);
    connect(browser_, &QWebEngineView::loadFinished, this, &KesWndInfo::loadFinished);
    NewPage();
    browserAvailable_ = true;
    return;
  }
#else
  (void)allowBrowser;
#endif
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Button);
  placeholder_ = new QLabel(this);
  placeholder_->setAlignment(Qt::AlignCenter);
  placeholder_->setPixmap(QIcon(":/icons/placeholder.svg").pixmap(QSize(96, 96)));
  layout->addWidget(placeholder_);
}

KesWndInfo::~KesWndInfo() {
#ifdef VB_HAVE_WEBENGINE
  // The pages before their profile.
  if (browser_) {
    const qint64 pid = page_ ? page_->renderProcessPid() : 0;
    delete browser_;
    browser_ = nullptr;
    sealed::EndRenderer(pid);
  }
#endif
}

namespace {
const char* const kRuntimeScriptName = "velkobutton-runtime";
const char* const kPreviewHost = "preview";
const char* const kHelpHost = "help";
}  // namespace

#ifdef VB_HAVE_WEBENGINE
void KesWndInfo::NewPage() {
  SealedPage* old = page_;
  page_ = new SealedPage(profile_, browser_);
  connect(page_, &SealedPage::statusText, this, &KesWndInfo::statusText);
  browser_->setPage(page_);
  sealed::RetirePage(browser_, old);
}
#endif

void KesWndInfo::EndPreview() {
  if (!showingPreview_) return;
  showingPreview_ = false;
  runtimeInjected_ = false;
#ifdef VB_HAVE_WEBENGINE
  if (browser_) NewPage();
#endif
}

void KesWndInfo::Navigate(const QString& address, const QString& runtime) {
  lastAddress_ = address;
  runtimeInjected_ = !runtime.isEmpty();
#ifdef VB_HAVE_WEBENGINE
  if (!browser_) return;
  if (IsRemote(address)) {
    runtimeInjected_ = false;
    emit statusText(tr("Link: %1").arg(address));
    return;
  }
  // A preview gets a page of its own; leaving one throws its page away.
  if (showingPreview_ || runtimeInjected_) NewPage();
  showingPreview_ = runtimeInjected_;

  QString path = address;
  if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) path = QUrl(path).toLocalFile();
  QString anchor;
  const int hash = path.lastIndexOf('#');
  if (hash >= 0 && !QFileInfo::exists(path)) {
    anchor = path.mid(hash + 1);
    path = path.left(hash);
  }
  const QString host = QLatin1String(runtimeInjected_ ? kPreviewHost : kHelpHost);
  profile_->SetRoot(host, QFileInfo(path).absolutePath());
  QUrl url = profile_->UrlFor(host, path);
  if (!anchor.isEmpty()) url.setFragment(anchor);

  QWebEngineScriptCollection& scripts = page_->scripts();
  for (const QWebEngineScript& old : scripts.find(kRuntimeScriptName)) scripts.remove(old);
  if (runtimeInjected_) {
    QWebEngineScript script;
    script.setName(kRuntimeScriptName);
    script.setSourceCode(runtime);
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    scripts.insert(script);
  }
  page_->AllowLoad(url);
  page_->load(url);
#else
  runtimeInjected_ = false;
#endif
}

void KesWndInfo::GoBack() {
#ifdef VB_HAVE_WEBENGINE
  if (browser_) browser_->back();
#endif
}

QString KesWndInfo::currentUrl() const {
#ifdef VB_HAVE_WEBENGINE
  if (browser_) return browser_->url().toString();
#endif
  return QString();
}
