// File names and the text a project stores. Paths that only reach files (the
// project's own path, output files and folders, command-line arguments, the
// program and preview folders) stay in the operating system's encoding from
// end to end; only what a project stores or a page carries (image and audio
// names, the page path) is Windows-1252 text like every other string. These
// conversions are the only crossings between the two.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "core/Messages.h"
#include "core/Platform.h"
#include "core/Win1252.h"

// The file name the operating system takes, for the C library's calls (paths
// already are).
inline const std::string& OsName(const std::string& path) {
  return path;
}

inline std::filesystem::path FsPath(const std::string& path) {
  return std::filesystem::path(path);
}

// A path the operating system gave back.
inline std::string EnginePath(const std::filesystem::path& path) {
  return path.string();
}

// The file a name stored in a project (Windows-1252) reaches.
inline std::string OsFromStored(const std::string& text1252) {
  return win1252::ToUtf8(text1252);
}

// The stored (Windows-1252) form of a file name; false, leaving `text1252`
// alone, when the name holds characters Windows-1252 cannot.
inline bool StoredFromOs(const std::string& path, std::string& text1252) {
  std::string text = win1252::FromUtf8(path);
  if (win1252::ToUtf8(text) != path) return false;
  text1252.swap(text);
  return true;
}

// A file name for a message (message texts are Windows-1252): characters
// Windows-1252 cannot hold show as '?'.
inline std::string DisplayName(const std::string& path) {
  return win1252::FromUtf8(path);
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
  return relative.generic_string();
}

// The folder a project's relative file names start from: the project's own
// folder, or `otherwise` for a project never saved.
inline std::string ProjectFolder(const std::string& projectFile, const std::string& otherwise) {
  if (projectFile.empty()) return otherwise;
  return EnginePath(FsPath(projectFile).parent_path() / "");
}

// Stores the name of a file the user picked (an image or a sound) into
// `text1252`, relative to the folder of `projectFile` when it lies there;
// when the project cannot store it, says so and keeps the old value.
inline bool TakePickedName(Platform& platform, const std::string& picked, std::string& text1252,
                           const std::string& projectFile = std::string()) {
  const std::string path = NameInProject(picked, projectFile);
  if (StoredFromOs(path, text1252)) return true;
  platform.MessageBox(msg::Format(msg::kNameNotStorable, DisplayName(path)), MsgButtons::Ok,
                      MsgIcon::Exclamation);
  return false;
}
