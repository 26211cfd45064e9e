// Unsaved edits kept when the editor has to end without asking anyone (the
// session ends, its terminal is closed): the project as Save would write it,
// in a recovery file beside the project or in the cache folder, named in the
// settings so that the next start offers it back.
#pragma once

#include <string>
#include <vector>

class Platform;

namespace recovery {

// How many recovery files the settings name at most; the oldest is
// forgotten (its file stays) when another one comes.
inline constexpr int kMostKept = 8;

// A recovery file and the project it holds the edits of (empty: a project
// never saved).
struct Kept {
  std::string file;
  std::string project;
};

// Where the edits of `project` are kept, in the order tried: beside it as
// ".NAME.recovery", then "recovery-PID-NAME" in `cacheDir` (with its trailing
// '/'); a project never saved has only the second ("recovery-PID-Untitled.but").
std::vector<std::string> Places(const std::string& project, const std::string& cacheDir, long pid);

// Writes `bytes` into the first place of Places that takes them, readable
// by the user alone, and names it in the settings. Returns the file written,
// empty when none could be.
std::string Keep(Platform& platform, const std::string& project, const std::string& bytes,
                 const std::string& cacheDir, long pid);

// The recovery files the settings name, newest first; a name whose file is
// gone is forgotten.
std::vector<Kept> Pending(Platform& platform);

// Forgets `file` in the settings; with `remove`, removes it too.
void Forget(Platform& platform, const std::string& file, bool remove);

}  // namespace recovery
