// What copying into a folder would replace, and where the copies come from.
// A folder of the user's web site holds files of its own: a copy or a page
// replaces one of them only when the user agrees, a file that already holds
// the very bytes is left as it is, and files taken from outside the
// project's folder are named before anything is copied.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class Platform;

// Whether the regular files `a` and `b` hold the same bytes (false when
// either is missing or cannot be read).
bool SameBytes(const std::string& a, const std::string& b);

// Whether the regular file `path` holds exactly `bytes`.
bool FileHolds(const std::string& path, std::string_view bytes);

// The files in `directory` that copying `files` there would replace by other
// bytes: a file of the source's name that is not the source itself and holds
// something else (a missing source replaces nothing). Each is named once, in
// the order of `files`.
std::vector<std::string> TargetsReplaced(const std::vector<std::string>& files,
                                         const std::string& directory);

// The files of `files` that do not lie in the folder of `projectFile` or
// below it once links and '..' are resolved (a relative name is read from the
// current folder, as the copy reads it), leaving out the program's own files.
// A project never saved (`projectFile` empty) has no folder: every file but
// the program's is outside.
std::vector<std::string> FilesOutside(const std::vector<std::string>& files,
                                      const std::string& projectFile,
                                      const std::string& programDirectory);

// The questions, each asked once and naming the files; true when there is
// nothing to ask or the user answers Yes.
bool AgreeToReplace(Platform& platform, const std::vector<std::string>& replaced);
bool AgreeToCopyFromOutside(Platform& platform, const std::vector<std::string>& outside);
