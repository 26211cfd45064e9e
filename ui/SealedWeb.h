// Web views that may show a stranger's page: a project's preview runs the
// project's own scripts, so everything that shows a page is sealed. A page is
// served from one folder of staged files through the program's own address
// scheme and reads nothing else on the machine; no request of any kind
// leaves it (the network, the loopback address, WebRTC, prefetches, form
// posts); a link it follows is reported, never navigated; its alert, confirm
// and prompt open no window; nothing it does writes the user's clipboard;
// and it keeps nothing once it is gone.
#pragma once

#include <QString>
#include <QUrl>

#ifdef VB_HAVE_WEBENGINE
#include <QElapsedTimer>
#include <QHash>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#endif

namespace sealed {

// The address scheme the sealed views serve their files under.
inline constexpr const char* kScheme = "velko";

// Once, before the application object is made: registers the scheme and
// seals the web engine's network (no connection of any kind, from any page,
// frame or worker, reaches any host).
void PrepareProcess();
// Registers the scheme only (a test's control run without the seal).
void RegisterScheme();

// Ends the web-engine renderer `pid` of a page that is gone: one busy in an
// endless script does not end by itself. Only a process that is such a
// renderer is ended.
void EndRenderer(long long pid);

}  // namespace sealed

#ifdef VB_HAVE_WEBENGINE

class QWebEngineUrlRequestInterceptor;
class QWebEngineUrlSchemeHandler;

// An off-the-record profile that serves each host of the scheme from one
// folder, and refuses every request that is not for the scheme (or a
// page's own data: and blob: content).
class SealedProfile : public QWebEngineProfile {
  Q_OBJECT
 public:
  explicit SealedProfile(QObject* parent = nullptr);
  ~SealedProfile() override;

  // Files below `folder` (links included only when they stay inside it) are
  // served as kScheme://host/relative/path.
  void SetRoot(const QString& host, const QString& folder);
  QString Root(const QString& host) const;
  // The address of the local file `path` under `host`; empty when `path`
  // does not lie below the host's folder.
  QUrl UrlFor(const QString& host, const QString& path) const;

 private:
  QHash<QString, QString> roots_;
  QWebEngineUrlSchemeHandler* handler_ = nullptr;
  QWebEngineUrlRequestInterceptor* interceptor_ = nullptr;
};

// A page of a sealed profile. Navigation stays on the addresses the program
// loads (and, on help pages, links between them); everything a page would
// show in a window of its own goes to statusText instead.
class SealedPage : public QWebEnginePage {
  Q_OBJECT
 public:
  explicit SealedPage(SealedProfile* profile, QObject* parent = nullptr);

  // The program itself is about to load `url` into the main frame.
  void AllowLoad(const QUrl& url) { allowed_ = url.adjusted(QUrl::RemoveFragment); }

 signals:
  // A line for the status bar: a link the page did not follow ("Link: …"),
  // or the text of an alert, confirm or prompt.
  void statusText(const QString& text);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  void javaScriptAlert(const QUrl& securityOrigin, const QString& text) override;
  bool javaScriptConfirm(const QUrl& securityOrigin, const QString& text) override;
  bool javaScriptPrompt(const QUrl& securityOrigin, const QString& text,
                        const QString& defaultValue, QString* result) override;
  QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                          const QStringList& acceptedMimeTypes) override;

 private:
  void ReportLink(const QUrl& url);
  void ReportDialog(const QString& text);

  QUrl allowed_;
  QElapsedTimer dialogClock_;
  int dialogsThisSecond_ = 0;
};

class QWebEngineView;

namespace sealed {
// Deletes `old`, a page `view` no longer shows. The engine ends an idle
// renderer itself; one still running a script is ended a moment later,
// unless the view's page has taken it over.
void RetirePage(QWebEngineView* view, QWebEnginePage* old);
}  // namespace sealed

#endif  // VB_HAVE_WEBENGINE
