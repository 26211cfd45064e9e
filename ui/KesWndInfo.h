// The Info/Preview window's content: an embedded web browser that shows help
// pages and the internal preview, or, when no browser is available, a
// placeholder picture.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QStackedLayout;
#ifdef VB_HAVE_WEBENGINE
class QWebEngineView;
#endif

class KesWndInfo : public QWidget {
  Q_OBJECT
 public:
  // `allowBrowser` false keeps the placeholder even when a browser could run.
  explicit KesWndInfo(QWidget* parent = nullptr, bool allowBrowser = true);
  ~KesWndInfo() override;

  // Built with Qt WebEngine and not switched off by VELKOBUTTON_NO_BROWSER=1.
  static bool BrowserPossible();
  bool browserAvailable() const { return browserAvailable_; }

  // Loads an address: a local path (with an optional "#anchor") or a URL.
  // A non-empty `runtime` is the JavaScript runtime's source: it is run in
  // the loaded page once its document is ready (and on the pages reached from
  // it), so that a preview page shows working buttons while its file stays
  // as generated. Without it nothing is injected.
  void Navigate(const QString& address, const QString& runtime = QString());
  // Goes back one page.
  void GoBack();

  // The address given to the last Navigate.
  QString lastAddress() const { return lastAddress_; }
  // Whether the last Navigate injected the runtime.
  bool runtimeInjected() const { return runtimeInjected_; }
#ifdef VB_HAVE_WEBENGINE
  QWebEngineView* view() const {
    return browser_;
  }
#endif
  // The page the browser shows now (empty without a browser).
  QString currentUrl() const;

 signals:
  // A page finished loading (ok false when it failed).
  void loadFinished(bool ok);

 private:
  bool browserAvailable_ = false;
  QString lastAddress_;
  bool runtimeInjected_ = false;
  QLabel* placeholder_ = nullptr;
#ifdef VB_HAVE_WEBENGINE
  QWebEngineView* browser_ = nullptr;
#endif
};
