// The platform of the command line: settings in the user's VelkoButton store,
// messages on standard error, no dialogs. The editor's platform derives from
// it and keeps its settings here too: one store writes the settings file.
#pragma once

#include <string>
#include <vector>

#include "core/IniSettings.h"
#include "core/Platform.h"

class HeadlessPlatform : public Platform {
 public:
  // The user's store ($XDG_CONFIG_HOME/Velko/VelkoButton.conf and the
  // system's defaults), or the one file `settingsFile`.
  explicit HeadlessPlatform(const std::string& settingsFile = std::string());

  // Messages go to standard error; questions take the answer that goes on
  // without user input (Cancel, Abort or No).
  int MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
  bool FileDialog(bool, const std::string&, std::string&, const std::string&, unsigned) override {
    return false;
  }
  bool BrowseForFolder(const std::string&, std::string&, const std::string&) override {
    return false;
  }
  bool SetClipboardText(const std::string&) override { return false; }
  bool ClipboardHasText() override { return false; }
  bool SetClipboardData(const std::string&, const std::string&) override { return false; }
  bool GetClipboardData(const std::string&, std::string&) override { return false; }
  bool ClipboardHasData(const std::string&) override { return false; }
  bool StartProcess(const std::string& program, const std::vector<std::string>& args) override;
  bool OpenWithShell(const std::string& target) override;
  void UnsetEnvironment(const std::string& name) override;

  std::string GetProfileString(const std::string& section, const std::string& key,
                               const std::string& def) override;
  int GetProfileInt(const std::string& section, const std::string& key, int def) override;
  void WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value) override;
  void WriteProfileInt(const std::string& section, const std::string& key, int value) override;

  std::string ProgramDir() override;
  std::string PreviewDir() override;
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}

  // The messages shown, in order (the command line reports some itself).
  std::vector<std::string> shown;
  // When set, messages are only recorded.
  bool quiet = false;

 private:
  ini::Store settings_;
};

// Where the program's files are: the directory holding Help/ and the
// applet's files, with a trailing '/' (the executable's directory when Help/
// lies beside it, a build tree; else the installed share folder found
// relative to the executable, for the command line and the editor alike).
struct ProgramLayout {
  std::string programDir;
  bool buildTree = false;
};
ProgramLayout FindProgramLayout(const std::string& exeDir);
std::string FindProgramDir();
// The user's cache folder for the program, "$XDG_CACHE_HOME/velkobutton/".
std::string CacheDir();
// Preview/ beside the program in a build tree (when writable); else a folder
// of this process in the cache, "preview-PID/", removed at exit.
inline constexpr const char* kPreviewFolderPrefix = "preview-";
std::string FindPreviewDir(const ProgramLayout& layout);
// Removes the folders PREFIX<pid> in `parent` whose process has ended (a
// program killed before it could clean up).
void RemoveFoldersOfEndedProcesses(const std::string& parent, const std::string& prefix);

// The "file:" address of a local file, percent-encoded ("/a b" ->
// "file:///a%20b"); an address ("scheme://...") keeps its form with unsafe
// characters encoded.
std::string ShellAddress(const std::string& target);
// Starts `argv` (the program looked up in PATH unless it names a folder) in
// a session of its own that outlives this process and leaves no zombie;
// false when it could not be started.
bool StartDetached(const std::vector<std::string>& argv);
