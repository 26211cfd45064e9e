// Putting the files a page needs beside it, and the file operations the
// copying routines share. Paths are full paths; a source's file name is what
// follows its last '/' or '\'.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/SafeFile.h"
#include "output/FileGate.h"

class Platform;

// Stages every file of `files` into `directory` (made when missing): a copy
// that already holds the source's bytes is skipped, a missing source or a failed copy asks
// Retry/Cancel. False when the directory cannot be made or the user cancels.
// Files already copied stay in place whatever the outcome.
bool StageFiles(Platform& platform, const std::vector<std::string>& files,
                const std::string& directory);

// What staging one file came to.
enum class StageResult {
  Copied,     // a fresh copy was made
  UpToDate,   // the file beside the page holds the source's bytes (or is the source)
  Cancelled,  // the source is missing or cannot be copied, and the user cancelled
};

// Stages one of the program's own files into `directory` (which must end
// with a separator): the missing-file and copy-failure questions go through
// `platform` with Retry/Cancel; any answer but Retry cancels. A copy never
// replaces one of `keep` (the project, the page): that is a failed copy.
StageResult StageFile(Platform& platform, const std::string& src, const std::string& directory,
                      const std::vector<std::string>& keep = {});

// Stages a file a project names, as `src` names it, from what `gate` let
// through (`checked`, its verdict on `src`): the copy is read from the real
// path checked, and only while it is still the file checked. A file missing
// when checked, or one that changed since, is asked about; Retry judges
// `src` anew.
StageResult StageFile(Platform& platform, const FileGate& gate, const std::string& src,
                      const GateResult& checked, const std::string& directory,
                      const std::vector<std::string>& keep = {});

// Stages `src` into `directory` as `name`, as the above does, as a copy only
// the user may read (0600): a preview's files are the user's alone.
StageResult StagePrivateCopy(Platform& platform, const FileGate& gate, const std::string& src,
                             const GateResult& checked, const std::string& directory,
                             const std::string& name);

// What a file a project names is, by its first bytes.
enum class ResourceKind {
  Image,      // GIF, JPEG, PNG, BMP, WebP or SVG
  Sound,      // Sun audio, WAVE, MP3 or Ogg
  InputFile,  // a file of applet parameters as the program writes them
  Font,       // WOFF2, WOFF, TrueType or OpenType
  Other,      // anything else, or not a regular file
};
ResourceKind SniffResource(const std::string& path);
// The same judged from a file's first bytes (up to 1,024 are looked at).
ResourceKind SniffResourceBytes(std::string_view head);

// The media type a file's first bytes show ("image/gif", "audio/basic",
// ...), or "" for a file that is no image or sound.
std::string SniffMediaType(const std::string& path);

// Images and sounds larger than this are refused: real ones are kilobytes,
// and a larger one is a mistake or a trap (a sparse file of a gigabyte).
inline constexpr std::uintmax_t kLargestResource = std::uintmax_t(64) << 20;

// "" when `target` may be written or replaced by a copy: it is missing or a
// regular file. Else the message that refuses a link, folder or special
// file of that name (a copy would write through it or be left out).
std::string CheckTarget(const std::string& target);

// Checks, before anything is copied into `directory`, that copying `files`
// there loses nothing: no two of them have the same file name (or names that
// differ only in case), none would land on one of `keep` (the project, the
// page) or on another of `files`, each passes the file gate (output/FileGate.h,
// which knows the program's own files in `programDirectory`), and its name in
// `directory` is free or a regular file (CheckTarget). A missing file is
// left to the copy's own question. `expected` says what the page uses each
// file as (a file beyond its end: an image, sound or font); `checked`, when
// given, receives the gate's verdict on each file, which its copy follows.
// Returns "" when all may be copied, else the message that says why nothing
// will be.
std::string CheckResources(const std::vector<std::string>& files, const std::string& directory,
                           const std::vector<std::string>& keep,
                           const std::string& programDirectory,
                           const std::vector<GateKind>& expected = {},
                           std::vector<GateResult>* checked = nullptr);

// Makes `directory` with any missing parents; true when it exists afterwards.
bool MakeStagingDirectory(const std::string& directory);

namespace fileops {
// Whether anything (file or directory) exists at `path`.
bool PathExists(const std::string& path);
// Whether both paths name one and the same existing file.
bool SameFile(const std::string& a, const std::string& b);
// Copies `src` to a new file `dst` in blocks of 10240 bytes. Fails when `dst`
// exists (nothing is overwritten), when `src` is not a readable regular file,
// or on a read or write error; no partly written `dst` is ever left.
bool BlockCopy(const std::string& src, const std::string& dst);
// Copies `src` over `dst`, replacing an existing file only once the copy is
// whole. Fails when `src` is not a regular file, when `dst` is a directory,
// device, pipe or read-only file, or when both name the same file, or `dst`
// is one of `keep`; the old `dst` is then unchanged, and `reason` (when
// given) says why in the system's words.
// `access` says who may read the copy (safefile::Access).
bool CopyOverwriting(const std::string& src, const std::string& dst,
                     const std::vector<std::string>& keep = {}, std::string* reason = nullptr,
                     safefile::Access access = safefile::Access::Usual);
// Copies the file the gate let through (`checked.path`, never through a link
// in its last part) as CopyOverwriting does, while it is still the file
// checked: the same file of the same size, of which no more than that size
// is copied. Otherwise nothing is written, and `reason` says the file changed.
bool CopyChecked(const GateResult& checked, const std::string& dst,
                 const std::vector<std::string>& keep = {}, std::string* reason = nullptr,
                 safefile::Access access = safefile::Access::Usual);
// One try at putting what the gate said of `src` (`checked`) at `dst`:
// UpToDate when `dst` is that file or holds its bytes, Copied, or Cancelled
// with `problem` the message that names what went wrong.
StageResult TryCopyChecked(const GateResult& checked, const std::string& src,
                           const std::string& dst, const std::vector<std::string>& keep,
                           safefile::Access access, std::string& problem);
// Reads the file the gate let through, as CopyChecked reads it.
bool ReadChecked(const GateResult& checked, std::string& bytes);
// `directory` with a '/' appended unless it already ends with '/' or '\'.
std::string WithSeparator(const std::string& directory);
}  // namespace fileops
