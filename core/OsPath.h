// File names and the text a project stores. Paths that only reach files (the
// project's own path, output files and folders, command-line arguments, the
// program and preview folders) stay in the operating system's encoding from
// end to end; what a project stores or a page carries (image and audio
// names, the page path) is text like every other string, UTF-8 in the
// engine. The engine's file names are UTF-8 too (the operating-system layer
// speaks UTF-16 to Windows); these conversions are the only crossings
// between the two, and refuse a name that is no text.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "core/Messages.h"
#include "core/Platform.h"
#include "core/Win1252.h"
#include "core/os/Os.h"

// The file name the operating system takes, for the C library's calls (paths
// already are).
inline const std::string& OsName(const std::string& path) {
  return path;
}

inline std::filesystem::path FsPath(const std::string& path) {
  return os::FsPath(path);
}

// A path the operating system gave back.
inline std::string EnginePath(const std::filesystem::path& path) {
  return os::Utf8Of(path);
}

// The file a name stored in a project reaches.
inline std::string OsFromStored(const std::string& text) {
  return text;
}

// The stored form of a file name; false, leaving `text` alone, when the name
// is not UTF-8 text (a byte sequence of another encoding).
inline bool StoredFromOs(const std::string& path, std::string& text) {
  if (!utf8::IsValid(path)) return false;
  text = path;
  return true;
}

// A file name for a message: bytes that are no UTF-8 show as U+FFFD.
inline std::string DisplayName(const std::string& path) {
  return utf8::Valid(path);
}

// The name a file at `path` goes by in the project `projectFile`: relative to
// the project's folder ('/' between its parts) when the file lies in that
// folder or below it, so that the project can move with its files; otherwise
// `path` as it is. A project never saved has no folder.
inline std::string NameInProject(const std::string& path, const std::string& projectFile) {
  if (projectFile.empty() || path.empty()) return path;
  std::error_code ec;
  const std::filesystem::path file = std::filesystem::absolute(FsPath(path), ec).lexically_normal();
  const std::filesystem::path folder =
      std::filesystem::absolute(FsPath(projectFile), ec).parent_path().lexically_normal();
  if (ec) return path;
  const std::filesystem::path relative = file.lexically_relative(folder);
  if (relative.empty() || *relative.begin() == ".." || relative.is_absolute()) return path;
  return relative.generic_u8string();
}

// The folder a project's relative file names start from: the project's own
// folder, or `otherwise` for a project never saved.
inline std::string ProjectFolder(const std::string& projectFile, const std::string& otherwise) {
  if (projectFile.empty()) return otherwise;
  return EnginePath(FsPath(projectFile).parent_path() / "");
}

// Stores the name of a file the user picked (an image or a sound) into
// `stored`, relative to the folder of `projectFile` when it lies there;
// when the project cannot store it, says so and keeps the old value.
inline bool TakePickedName(Platform& platform, const std::string& picked, std::string& stored,
                           const std::string& projectFile = std::string()) {
  const std::string path = NameInProject(picked, projectFile);
  if (StoredFromOs(path, stored)) return true;
  platform.MessageBox(msg::Format(msg::kNameNotStorable, DisplayName(path)), MsgButtons::Ok,
                      MsgIcon::Exclamation);
  return false;
}
