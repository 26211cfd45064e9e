// The application object of the editor: start-up, the settings held while
// the program runs, the recent-file list, the help system, the preview
// commands and the hand-over of files from a second start.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "core/KesApp.h"
#include "core/SafeFile.h"
#include "ui/PageRegistry.h"

class Doc;
class FrameMain;
class KesWndInfo;
class QFileSystemWatcher;
class QLocalServer;
class QTimer;

// What start-up does besides the essentials; the tests switch parts off.
struct AppOptions {
  bool splash = true;            // the splash window
  bool registerFileType = true;  // keep the user's desktop entry and MIME package in order
  bool registerAsked = false;    // a build tree's editor registers itself (--register)
  bool singleInstance = true;    // accept files from later starts
  bool newOpenDialog = true;     // the New/Open Project dialog when no file was named
  bool allowBrowser = true;      // the embedded browser, when it can run
  // Fills the Properties window's pages (see app/EditorPages.h).
  std::function<void(PageRegistry&)> registerPages;
};

// Show state asked for by whoever started the program.
enum class ShowState { Normal = 1, Minimized = 2, Maximized = 3 };

class App : public QObject, public KesApp {
  Q_OBJECT
 public:
  static constexpr int kRecentFiles = 6;
  // How long the open file must keep its size and time before a change by
  // another program is offered or read.
  static constexpr int kQuietMs = 500;

  explicit App(Platform& platform, AppOptions options = AppOptions());
  ~App() override;

  // Start-up: false when the program must end at once. `args` are the
  // command-line arguments without the program name.
  bool InitInstance(const QStringList& args, ShowState requested = ShowState::Normal);
  // Writes the settings and the recent-file list and empties the preview
  // folder; runs once (the destructor calls it when nobody did).
  void ExitInstance();
  // Ends the program through its normal exit without asking anything, as
  // when the session ends: unsaved edits go into a recovery file (see
  // core/Recovery.h), open dialogs are cancelled, the window closes and the
  // event loop ends with status 0.
  void EndWithoutQuestions();
  // At start: offers each recovery file an earlier end left, one by one;
  // true when one was opened (as unsaved changes to its project).
  bool OfferRecovery();
  bool ending() const { return ending_; }

  Doc& doc() { return *doc_; }
  FrameMain* frame() const { return frame_.get(); }
  // The Properties window's pages.
  const PageRegistry& pages() const { return pages_; }

  // Recent-file list, newest first.
  const QStringList& recentFiles() const { return recentFiles_; }
  void AddToRecentFiles(const QString& path);
  void LoadRecentFiles();
  void SaveRecentFiles();

  // File commands. Each asks the open page to commit first where the
  // framework does and asks to save a modified project.
  bool OnFileNew();
  // File > New: the New/Open Project dialog offers a blank project, the
  // templates and the recent projects (a blank project at once where the
  // dialog is switched off).
  void OnFileNewChoosing();
  // A template as a new, unsaved project (its files named by their full paths).
  bool OpenTemplate(const std::string& project);
  bool OnFileOpen();
  bool OpenDocumentFile(const QString& path);
  bool OnFileSave();
  bool OnFileSaveAs();

  // Generate commands.
  void OnPreview();
  void OnPreviewExternal();
  void OnStopPreview();
  // After New or Open: a preview of the project that was open ends.
  void EndPreviewOfOldProject();
  // Writes the preview page and stages its files; the page's path, or empty
  // when something failed.
  // `external`: the page is shown by an outside browser, so it carries the
  // JavaScript runtime's line and the runtime is staged beside it.
  std::string WritePreview(bool external);
  // The Publish dialog (modal).
  void OnPublish();

  // The Options sheet; true when it was closed with OK.
  bool OnOptions();

  // Help.
  void ShowContextHelp(int id, std::string* tooltip, bool follow) override;
  void ShowHelpPage(const std::string& topic, const std::string& anchor, bool follow,
                    bool byAddress) override;
  // Clears the help lock and shows the page "index" when the browser is available.
  void StartupHelp();
  void OnHelpContents();
  void OnHelpFaq();
  void OnHelpWeb();
  // The id F1 asks help for: the page help id, else 0.
  void OnHelp(int id);

  // Whether the Info/Preview window can show web pages.
  virtual bool BrowserAvailable() const;
  // Points the Info/Preview window's browser at `address`; `withRuntime`
  // injects the JavaScript runtime from the program's directory (the preview).
  virtual void NavigateInfo(const std::string& address, bool withRuntime = false);
  // Brings the Info/Preview window into view when it is hidden.
  virtual void ShowInfoWindow();
  // Shows the status-bar prompt.
  virtual void SetStatusPrompt(const std::string& prompt);
  const std::string& lastPrompt() const { return lastPrompt_; }

  // The path of a help topic's page.
  std::string HelpPagePath(const std::string& topic);

  // Deletes every file of the preview folder (failures ignored).
  void DeletePreviewFiles();
  // Keeps the user's desktop registration in order: an entry of ours whose
  // program is gone goes, and so, for an installed editor, does one whose
  // program lies outside an installed prefix (a build tree's), with the MIME
  // package and icons written beside it. A build tree's editor registers
  // itself only when `asked` (--register); an installed one leaves the
  // desktop to its package.
  static void RegisterWhenAsked(bool asked);

  // Writes the desktop entry, the MIME package and the icons for project
  // files below `dataHome` and asks the desktop to refresh its caches. False
  // when a file could not be written.
  static bool RegisterFileType(const QString& dataHome, const QString& program);
  // Hands `path` to an editor already running; true when one took it.
  static bool HandOff(const QString& path);
  static QString ServerName();

  static constexpr const char* kFaqAddress = "https://www.velko.example/velkobutton/faq.html";
  static constexpr const char* kHomeAddress = "https://www.velko.example/";

 signals:
  // A page finished loading in the Info/Preview window.
  void helpShown(const QString& address);

 private:
  // Watches the open project's file. A change by another program is looked
  // at once the file has kept its size and time for kQuietMs (a file being
  // written is never read half-done); the bar above the tree then offers it
  // for reloading, once for each version of the file, and Reload reads it
  // only once it is quiet.
  void WatchDiskFile();
  void DiskFileTouched();
  void DiskFileQuiet();
  void OnReloadChosen();
  void OnKeepChosen();
  void ReloadDiskFile();
  void StartServer();
  void OnNewConnection();
  void RunNewOpenDialog();

  AppOptions options_;
  PageRegistry pages_;
  std::unique_ptr<Doc> doc_;
  std::unique_ptr<FrameMain> frame_;
  QLocalServer* server_ = nullptr;
  QFileSystemWatcher* watcher_ = nullptr;
  QTimer* quietTimer_ = nullptr;
  safefile::FileStamp lastSeen_;  // the file at the last look
  safefile::FileStamp declined_;  // a version of the file the user would not reload
  bool reloadWanted_ = false;     // Reload was chosen while the file was still changing
  QStringList recentFiles_;
  std::string lastPrompt_;
  bool exited_ = false;
  bool started_ = false;
  bool ending_ = false;
};
