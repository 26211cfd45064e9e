// The one gate every file a project names passes before the program reads or
// copies it: the Live View, the previews, publishing, Copy Locally, a first
// save's copies of a template's files and the sound test all ask it.
//
// A name is resolved to the file it really is (every link, "." and ".."
// resolved, so "/proc/self/cwd/..." is the file it leads to), and that file
// is judged by its content and its name together:
//   - a name holding a control character is refused before anything is looked at;
//   - the program's own files (the applet's four files and the runtime in the
//     program's folder) are known by their real paths, never by how a name
//     begins, and only under their own names (a link "run.php" to the runtime
//     is judged as any other file);
//   - anything else must be a regular file of at most kLargestResource bytes
//     (judged without reading it), not named as a web server runs or renders
//     it (.html, .php, .js ... in any part of the name, or a name starting
//     with '.') nor as a server reads its settings (php.ini, web.config),
//     hold what its name's extension says, and be what the page uses it as:
//       .gif .png .jpg .jpeg .bmp .webp  an image other than SVG
//       .svg                             an SVG image with no script, event
//                                        attribute, javascript: link or foreign object
//       .au .wav .mp3 .ogg               a sound
//       .woff2 .woff .ttf .otf           a font whose header and table directory are whole
//       any other name                   the input file of parameters
//     (the input file only where the page asks for its input file).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/FileStaging.h"  // GateKind: what a file that passed is
#include "core/SafeFile.h"

// What the gate said.
enum class GateStatus {
  Allowed,  // it may be read and copied (from `path`)
  Missing,  // nothing is there: a question for the caller, as a missing file always was
  Refused,  // it is never read or copied; `message` says why
};

// Why a file was refused.
enum class GateRefusal {
  None,
  ControlCharacter,  // the name holds a control character
  NotMedia,          // no regular file, or none that a page can use
  TooLarge,          // larger than kLargestResource
  NameMisfit,        // its name's extension does not fit what it holds
  ServedName,        // a name a web server runs or renders
  ActiveSvg,         // an SVG image that could run script
  WrongKind,         // not what the page uses it as
};

struct GateResult {
  GateStatus status = GateStatus::Refused;
  GateKind kind = GateKind::None;
  GateRefusal refusal = GateRefusal::None;
  // The canonical real path (operating-system encoding): what is read or
  // copied. Empty for a missing file and for a name refused unresolved.
  std::string path;
  // Why it was refused (Windows-1252, naming the file as it was given).
  std::string message;
  // The file lies in the program's templates folder (by its real path).
  bool inTemplates = false;
  // The file that passed as it was when judged: a copy reads `path` only
  // while it is still this file of this size.
  safefile::FileIdentity identity;
  // What the page uses the file as (None: an image, sound or font).
  GateKind expected = GateKind::None;
  bool allowed() const { return status == GateStatus::Allowed; }
};

class FileGate {
 public:
  // `programDirectory` holds the program's own files and its templates/.
  explicit FileGate(const std::string& programDirectory);

  // A file as a list of the page's files names it: an operating-system path
  // (a relative one from the current folder). Its name in a page is what
  // follows its last '/' or '\'. `expected` is what the page uses it as:
  // Image, Sound, Font, InputFile, Program (the program's own file, which
  // passes only as one), or None for an image, sound or font.
  GateResult Check(const std::string& path, GateKind expected = GateKind::None) const;
  // A file name as the project stores it (Windows-1252): a relative one
  // starts from the folder of `projectFile`, or from the current folder for
  // a project never saved.
  GateResult CheckStored(const std::string& stored, const std::string& projectFile,
                         GateKind expected = GateKind::None) const;

  // Whether `path` really is one of the program's own files (the applet's
  // files and the runtime) under its own name, whatever links or '..' lead to it.
  bool IsProgramFile(const std::string& path) const;

 private:
  GateResult Judge(const std::string& path, GateKind expected) const;
  std::vector<std::string> programFiles_;  // real paths
  std::string templates_;                  // real path ending in '/', or ""
};

// Whether `name` holds a byte below 0x20 or 0x7F.
bool HasControlCharacter(std::string_view name);
// `name` with each control character shown as '^' and a letter (a line
// break as ^J, 0x7F as ^?), for a message.
std::string ShowControlCharacters(std::string_view name);
// The message refusing a name with control characters (Windows-1252).
std::string ControlCharacterMessage(const std::string& name);

// A page's file name as a server that ignores case finds it (ASCII letters
// in lower case).
std::string FoldedName(std::string_view name);

// Names the page would copy beside itself that differ only in case, first
// of each kind: a server that ignores case (and the Live View's) would
// serve one for both. Paths listed twice are one file, not a clash.
struct NameClash {
  std::string first, second;
};
std::vector<NameClash> NamesDifferingInCase(const std::vector<std::string>& files);

// The sound file the sound test plays for the stored name `stored`: the
// project's file, else (for a relative name found only there) the
// program's; the gate's verdict on it, which must be a sound.
GateResult SoundToTest(const FileGate& gate, const std::string& stored,
                       const std::string& projectFile, const std::string& programDirectory);
