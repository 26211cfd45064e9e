// The application object of the editor: start-up, the settings held while
// the program runs, the recent-file list and the file commands. It owns the
// window, the command router, the help, the previews, the single instance
// and the watch on the open file, each a part of its own.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "core/KesApp.h"
#include "ui/Commands.h"
#include "ui/HelpSystem.h"
#include "ui/PageRegistry.h"
#include "ui/Previews.h"
#include "ui/Translations.h"

class DiskWatch;
class Doc;
class FrameMain;
class SingleInstance;

// What start-up does besides the essentials; the tests switch parts off.
struct AppOptions {
  bool splash = true;            // the splash window
  bool registerFileType = true;  // keep the user's desktop entry and MIME package in order
  bool registerAsked = false;    // a build tree's editor registers itself (--register)
  bool singleInstance = true;    // accept files from later starts
  bool newOpenDialog = true;     // the New/Open Project dialog when no file was named
  bool allowBrowser = true;      // the embedded browser, when it can run
  bool translate = true;         // the user's language (the Language setting, else the system's)
  // Fills the Properties window's pages (see app/EditorPages.h).
  std::function<void(PageRegistry&)> registerPages;
};

// Show state asked for by whoever started the program.
enum class ShowState { Normal = 1, Minimized = 2, Maximized = 3 };

class App : public QObject, public KesApp {
  Q_OBJECT
 public:
  static constexpr int kRecentFiles = 6;

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
  // Every command runs through it: the pages store their edits first.
  CommandRouter& router() { return router_; }

  // Recent-file list, newest first.
  const QStringList& recentFiles() const { return recentFiles_; }
  void AddToRecentFiles(const QString& path);
  void LoadRecentFiles();
  void SaveRecentFiles();

  // File commands. Each asks to save a modified project; the router has had
  // the pages store their edits before.
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

  // Generate commands (ui/Previews.h).
  void OnPreview() { previews_.Show(); }
  void OnPreviewExternal() { previews_.ShowExternal(); }
  void OnStopPreview() { previews_.Stop(); }
  void EndPreviewOfOldProject() { previews_.EndOfOldProject(); }
  std::string WritePreview(bool external) { return previews_.Write(external); }
  // The Publish dialog (modal).
  void OnPublish();

  // The Options sheet; true when it was closed with OK.
  bool OnOptions();

  // Help (ui/HelpSystem.h).
  void ShowContextHelp(int id, std::string* tooltip, bool follow) override {
    help_.ShowContextHelp(id, tooltip, follow);
  }
  void ShowHelpPage(const std::string& topic, const std::string& anchor, bool follow,
                    bool byAddress) override {
    help_.ShowHelpPage(topic, anchor, follow, byAddress);
  }
  void StartupHelp() { help_.Startup(); }
  void OnHelpContents() { help_.Contents(); }
  void OnHelpFaq() { help_.Faq(); }
  void OnHelpWeb() { help_.Web(); }
  // The id F1 asks help for: the page help id, else 0.
  void OnHelp(int id) { help_.ShowContextHelp(id, nullptr, false); }

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
  std::string HelpPagePath(const std::string& topic) { return help_.PagePath(topic); }
  // Deletes every file of the preview folder (failures ignored).
  void DeletePreviewFiles() { previews_.DeleteFiles(); }

 signals:
  // A page finished loading in the Info/Preview window.
  void helpShown(const QString& address);

 private:
  void RunNewOpenDialog();
  // Watches the open project's file anew (ui/DiskWatch.h).
  void WatchDiskFile();
  // A file a later start handed over, opened as File Open would.
  void OpenHandedOver(const QString& path);

  AppOptions options_;
  // Installed before the window is made, taken off with the application.
  Translations translations_;
  PageRegistry pages_;
  CommandRouter router_;
  HelpSystem help_;
  Previews previews_;
  std::unique_ptr<Doc> doc_;
  std::unique_ptr<FrameMain> frame_;
  SingleInstance* single_ = nullptr;
  DiskWatch* diskWatch_ = nullptr;
  QStringList recentFiles_;
  std::string lastPrompt_;
  bool exited_ = false;
  bool started_ = false;
  bool ending_ = false;
};
