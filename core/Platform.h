// The services the operating system and the desktop give the program: message
// boxes, file and folder dialogs, the clipboard, processes, the settings store,
// the program directory and the wait cursor. The engine only talks to this
// interface; the Qt user interface implements it for real and the tests
// implement it with a scripted double.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/SettingKeys.h"

// Buttons of a message box.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };

// Icon of a message box; exclamation unless another is named.
enum class MsgIcon { Exclamation, Question, Stop, Information };

// Answers of a message box (the classic numeric answer codes).
enum MsgAnswer : int {
  IdOk = 1,
  IdCancel = 2,
  IdAbort = 3,
  IdRetry = 4,
  IdIgnore = 5,
  IdYes = 6,
  IdNo = 7,
};

// Flags of the file dialogs.
enum FileDialogFlags : unsigned {
  FdHideReadOnly = 1u << 0,
  FdOverwritePrompt = 1u << 1,
  FdFileMustExist = 1u << 2,
  FdPathMustExist = 1u << 3,
  FdNoChangeDir = 1u << 4,
};

class Platform {
 public:
  virtual ~Platform() = default;

  // An engine text marked with VB_TR_NOOP in `context` (core/Translatable.h),
  // in the user's language; the command line and the tests keep the English.
  virtual std::string Translate(const char* /*context*/, const char* text) { return text; }

  // A message box with the application title as caption; returns an MsgAnswer.
  virtual int MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon) = 0;

  // File open (open = true) or save dialog. `path` holds the proposed name on
  // entry and the chosen full path on success. `filter` uses the classic form
  // "Name (*.a)|*.a|All Files (*.*)|*.*||". Returns false on Cancel.
  virtual bool FileDialog(bool open, const std::string& defaultExt, std::string& path,
                          const std::string& filter, unsigned flags) = 0;

  // Folder picker: file-system folders only, preset to `start`.
  virtual bool BrowseForFolder(const std::string& prompt, std::string& directory,
                               const std::string& start) = 0;

  // Clipboard. Text is UTF-8 in the engine. SetClipboardText returns
  // false when the clipboard cannot be opened.
  virtual bool SetClipboardText(const std::string& text) = 0;
  virtual bool ClipboardHasText() = 0;
  virtual bool SetClipboardData(const std::string& mimeType, const std::string& bytes) = 0;
  // Adds a further format to what SetClipboardData put on the clipboard.
  virtual bool AddClipboardData(const std::string&, const std::string&) { return false; }
  virtual bool GetClipboardData(const std::string& mimeType, std::string& bytes) = 0;
  // The size of the clipboard's data of `mimeType` (0 when it has none),
  // where the platform can tell it without copying the data.
  virtual std::size_t ClipboardDataSize(const std::string& mimeType) {
    std::string bytes;
    return GetClipboardData(mimeType, bytes) ? bytes.size() : 0;
  }
  virtual bool ClipboardHasData(const std::string& mimeType) = 0;

  // Processes. StartProcess starts `program` with `args` detached, without a
  // shell; OpenWithShell opens a file or address with the desktop's default
  // handler. Both return false on failure.
  virtual bool StartProcess(const std::string& program, const std::vector<std::string>& args) = 0;
  virtual bool OpenWithShell(const std::string& target) = 0;
  // Removes a variable from the program's own environment.
  virtual void UnsetEnvironment(const std::string& name) = 0;

  // Settings store ("Velko"/"VelkoButton"). Values are UTF-8 text here.
  virtual std::string GetProfileString(const std::string& section, const std::string& key,
                                       const std::string& defaultValue) = 0;
  virtual int GetProfileInt(const std::string& section, const std::string& key,
                            int defaultValue) = 0;
  virtual void WriteProfileString(const std::string& section, const std::string& key,
                                  const std::string& value) = 0;
  virtual void WriteProfileInt(const std::string& section, const std::string& key, int value) = 0;
  // The same by a setting's declared name.
  std::string Get(const setting::Text& s) { return GetProfileString(s.section, s.key, s.def); }
  std::string Get(const setting::Text& s, const std::string& def) {
    return GetProfileString(s.section, s.key, def);
  }
  int Get(const setting::Number& s) { return GetProfileInt(s.section, s.key, s.def); }
  std::string Get(const setting::Series& s, int n, const std::string& def) {
    return GetProfileString(s.section, s.KeyOf(n), def);
  }
  void Put(const setting::Text& s, const std::string& v) {
    WriteProfileString(s.section, s.key, v);
  }
  void Put(const setting::Number& s, int v) { WriteProfileInt(s.section, s.key, v); }
  void Put(const setting::Series& s, int n, const std::string& v) {
    WriteProfileString(s.section, s.KeyOf(n), v);
  }

  // The directory holding Help/ and the applet's files, with a trailing '/'.
  virtual std::string ProgramDir() = 0;
  // The folder in which previews are written, with a trailing '/'.
  virtual std::string PreviewDir() = 0;
  // The root of the current drive ("c:\\" on Windows); empty on POSIX.
  virtual std::string CurrentDriveRoot() { return std::string(); }

  // Wait cursor, nested.
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;
};

// Shows the wait cursor for the lifetime of the guard.
class WaitCursor {
 public:
  explicit WaitCursor(Platform& p) : platform_(p) { platform_.BeginWaitCursor(); }
  ~WaitCursor() { platform_.EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  Platform& platform_;
};
