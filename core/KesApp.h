// The application object's engine side: the user's settings held in memory
// while the program runs, the commit-and-refresh protocol of the property
// pages, the help state and the lists shared by the pages. The Qt application
// derives from it; the command line and the tests use it directly.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/KesProp.h"
#include "core/Platform.h"

class KesDoc;

// Every value of the "Options" section.
struct AppSettings {
  std::string browserPath;
  int browserLocal = 0;
  int browserClassPath = 0;
  std::string nonJavaMessage;
  std::array<std::string, 7> days;
  std::array<std::string, 12> months;
  std::array<std::string, 2> meridiem;
  // "Settings" section: 1 adds the JavaScript runtime's script line to
  // published pages, Generate File, the clipboard segment and export.
  int html5Runtime = 1;
  // The language of pages with the runtime (a BCP 47 tag such as "en").
  std::string pageLanguage = "en";

  // First-run values.
  static AppSettings Defaults();
  static const std::array<const char*, 7> kDefaultDays;
  static const std::array<const char*, 12> kDefaultMonths;
  static const std::array<const char*, 2> kDefaultMeridiem;
};

class KesApp {
 public:
  explicit KesApp(Platform& platform);
  virtual ~KesApp();
  KesApp(const KesApp&) = delete;
  KesApp& operator=(const KesApp&) = delete;

  Platform& platform() { return platform_; }

  // Reads every "Options" value, in order, each with its default, then the
  // runtime switch of the "Settings" section.
  void ReadSettings();
  // Writes every "Options" value: the non-Java message and the day, month and
  // meridiem names first, then the three browser values; then the runtime
  // switch of the "Settings" section.
  void WriteSettings();

  AppSettings& settings() { return settings_; }
  const AppSettings& settings() const { return settings_; }

  // The open project, whose views take part in the commit protocol.
  KesDoc* currentDoc() const { return currentDoc_; }
  void setCurrentDoc(KesDoc* doc) { currentDoc_ = doc; }

  // Commit-and-refresh protocol of the property pages.
  virtual bool CommitPages();
  virtual void RefreshPages();
  // A page tells how its commit went: one refusal refuses the whole commit.
  void ReportCommit(bool accepted) {
    if (!accepted) accepted_ = false;
  }
  bool commitAccepted() const { return accepted_; }
  // Whether the pages are storing their edits now.
  bool committing() const { return committing_ > 0; }

  // Help. The editor shows the prompt in its status bar and the topic's page
  // in its Info/Preview window; the engine's versions do nothing.
  // `tooltip` receives the tooltip field when given.
  virtual void ShowContextHelp(int id, std::string* tooltip, bool follow);
  virtual void ShowHelpPage(const std::string& topic, const std::string& anchor, bool follow,
                            bool byAddress);
  // The words of a command line, split as a shell splits them (quotes and
  // backslashes respected).
  static std::vector<std::string> SplitCommandLine(const std::string& line);
  // Starts the external browser on `target` (the configured program, or the
  // desktop's default handler); message 10026 on failure.
  virtual void LaunchBrowser(const std::string& target);

  // Help state.
  int helpLock = 0;
  std::string currentHelpPage;
  std::string currentHelpAnchor;
  int pageHelpId = 0;

  // Class of the group whose data went to the clipboard last.
  PropClass lastCopiedClass = PropClass::None;

  // Lists kept while the program runs: the link-address history of the Link
  // page and the font names of the Font page. A new entry goes to the front
  // unless it equals the first entry.
  std::vector<std::string> linkHistory;
  std::vector<std::string> fontNames;
  static void PushFront(std::vector<std::string>& list, const std::string& entry);

  static constexpr const char* kMakerWebAddress = "https://www.velko.example/";
  static constexpr const char* kMakerMailAddress = "mailto:info@velko.example";
  static constexpr const char* kGroupClipboardFormat = "application/x-velkobutton-prop";
  // Several copied groups of one kind (Doc::JoinGroups), beside the first.
  static constexpr const char* kGroupListClipboardFormat = "application/x-velkobutton-groups";

 private:
  Platform& platform_;
  AppSettings settings_;
  KesDoc* currentDoc_ = nullptr;
  int committing_ = 0;
  bool accepted_ = true;
};
