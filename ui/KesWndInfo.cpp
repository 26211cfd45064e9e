#include "ui/KesWndInfo.h"

#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdlib>
#include <cstring>

#ifdef VB_HAVE_WEBENGINE
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#endif

namespace {

QUrl AddressToUrl(const QString& address) {
  if (address.contains("://") || address.startsWith("mailto:")) return QUrl(address);
  QString path = address;
  QString anchor;
  int hash = path.lastIndexOf('#');
  if (hash >= 0 && !QFileInfo::exists(path)) {
    anchor = path.mid(hash + 1);
    path = path.left(hash);
  }
  QUrl url = QUrl::fromLocalFile(path);
  if (!anchor.isEmpty()) url.setFragment(anchor);
  return url;
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
    browser_ = new QWebEngineView(this);
    layout->addWidget(browser_);
    connect(browser_, &QWebEngineView::loadFinished, this, &KesWndInfo::loadFinished);
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

KesWndInfo::~KesWndInfo() = default;

namespace {
const char* const kRuntimeScriptName = "velkobutton-runtime";
}

void KesWndInfo::Navigate(const QString& address, const QString& runtime) {
  lastAddress_ = address;
  runtimeInjected_ = !runtime.isEmpty();
#ifdef VB_HAVE_WEBENGINE
  if (!browser_) return;
  QWebEngineScriptCollection& scripts = browser_->page()->scripts();
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
  browser_->setUrl(AddressToUrl(address));
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
