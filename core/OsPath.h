// Paths in the engine are Windows-1252 text like every other string (they are
// what the project file and the page carry); the operating system takes file
// names as UTF-8. Every file operation goes through these conversions.
#pragma once

#include <filesystem>
#include <string>

#include "core/Win1252.h"

// The file name the operating system takes, for the C library's calls.
inline std::string OsName(const std::string& path) {
  return win1252::ToUtf8(path);
}

inline std::filesystem::path FsPath(const std::string& path) {
  return std::filesystem::u8path(win1252::ToUtf8(path));
}

// A path the operating system gave back, as engine text.
inline std::string EnginePath(const std::filesystem::path& path) {
  return win1252::FromUtf8(path.u8string());
}
