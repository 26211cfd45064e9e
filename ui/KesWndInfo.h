// The Info/Preview window's content: an embedded web browser that shows help
// pages and the internal preview, or, when no browser is available, a
// placeholder picture. The browser is sealed (see SealedWeb.h): a page is
// served from its own folder only, and every preview runs in a page of its
// own that is thrown away, with all its script work, when it is left.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QStackedLayout;
#ifdef VB_HAVE_WEBENGINE
class QWebEngineView;
class SealedPage;
class SealedProfile;
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

  // Loads a local file (with an optional "#anchor"); the files of its folder
  // are all it can reach. A remote address is not loaded: it is shown as
  // "Link: <address>" on statusText. A non-empty `runtime` is the JavaScript
  // runtime's source, and makes the load a preview: the runtime is run in the
  // page once its document is ready, so that a preview page shows working
  // buttons while its file stays as generated. Without it nothing is injected.
  void Navigate(const QString& address, const QString& runtime = QString());
  // Ends a preview's page and all its script work (nothing when no preview
  // is shown).
  void EndPreview();
  // Whether the page shown is a preview.
  bool showingPreview() const { return showingPreview_; }
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
  // A line for the status bar from the page: a link it did not follow
  // ("Link: …"), or the text of its alert, confirm or prompt.
  void statusText(const QString& text);

 private:
  bool browserAvailable_ = false;
  QString lastAddress_;
  bool runtimeInjected_ = false;
  bool showingPreview_ = false;
  QLabel* placeholder_ = nullptr;
#ifdef VB_HAVE_WEBENGINE
  // Puts a fresh page in the view; the old page goes, and its renderer with it.
  void NewPage();
  QWebEngineView* browser_ = nullptr;
  SealedProfile* profile_ = nullptr;
  SealedPage* page_ = nullptr;
#endif
};
