#include "output/FileGate.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <system_error>

#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/PageOptions.h"
#include "core/SafeFile.h"
#include "core/Version.h"
#include "core/os/Os.h"
#include "output/Staging.h"

namespace fs = std::filesystem;

namespace {

// How much of a file its kind is judged from.
constexpr std::size_t kHeadBytes = 1024;
// A font's table directory: its header, and one record per table.
constexpr std::size_t kSfntHeader = 12;
constexpr std::size_t kSfntRecord = 16;
// Real fonts have a few dozen tables; a directory of more is no font.
constexpr unsigned kMostFontTables = 512;
constexpr std::size_t kWoffHeader = 44;
constexpr std::size_t kWoff2Header = 48;
constexpr std::size_t kWoffRecord = 20;
constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kFirstPrintable = 0x20;

const char* const kImageNames[] = {"gif", "png", "jpg", "jpeg", "bmp", "webp"};
constexpr const char* kSvgName = "svg";
const char* const kSoundNames[] = {"au", "wav", "mp3", "ogg"};
const char* const kFontNames[] = {"woff2", "woff", "ttf", "otf"};
// What a web server runs, or renders as a page of the site, by its name.
const char* const kServedNames[] = {
    "html", "htm",  "xhtml", "xht",  "shtml",    "shtm",     "stm",  "mht",  "mhtml",
    "php",  "php3", "php4",  "php5", "php7",     "php8",     "pht",  "phtm", "phtml",
    "phar", "phps", "js",    "mjs",  "cjs",      "cgi",      "fcgi", "pl",   "pm",
    "py",   "rb",   "sh",    "asp",  "aspx",     "ascx",     "ashx", "asmx", "asa",
    "jsp",  "jspx", "cfm",   "cfml", "xml",      "xsl",      "xslt", "hta",  "htc",
    "svgz", "swf",  "wasm",  "exe",  "htaccess", "htpasswd",
};

// What servers read their settings from, whatever it holds (compared in
// lower case, as a server that ignores case finds it).
const char* const kServerSettingsNames[] = {
    "php.ini",  "php3.ini",   "php4.ini",   "php5.ini",   "php7.ini",
    "php8.ini", "web.config", "httpd.conf", "nginx.conf", "lighttpd.conf",
};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool OneOf(const std::string& word, const char* const* begin, const char* const* end) {
  for (const char* const* w = begin; w != end; ++w)
    if (word == *w) return true;
  return false;
}
template <std::size_t N>
bool OneOf(const std::string& word, const char* const (&words)[N]) {
  return OneOf(word, words, words + N);
}

// The extension of a page's file name: what follows its last '.', in lower case.
std::string ExtensionOf(const std::string& name) {
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : Lower(name.substr(dot + 1));
}

// A name a web server would run or render: a served extension in any part
// after a '.' (servers take "shell.php.gif" for PHP), each part as far as its
// letters and digits go ("x.php." and "x.php::$DATA" are "x.php" on some),
// and every name beginning with '.' (".htaccess", ".user.ini").
bool IsServedName(const std::string& name) {
  if (!name.empty() && name[0] == '.') return true;
  const std::string lower = Lower(name);
  for (std::size_t dot = lower.find('.'); dot != std::string::npos;
       dot = lower.find('.', dot + 1)) {
    std::size_t end = dot + 1;
    while (end < lower.size() &&
           ((lower[end] >= 'a' && lower[end] <= 'z') || (lower[end] >= '0' && lower[end] <= '9')))
      ++end;
    if (OneOf(lower.substr(dot + 1, end - dot - 1), kServedNames)) return true;
  }
  return false;
}

// A name a server reads its settings from: "php.ini", "Web.Config." (a
// server on Windows drops trailing dots and spaces) and the like.
bool IsServerSettingsName(const std::string& name) {
  std::string lower = Lower(name);
  while (!lower.empty() && (lower.back() == '.' || lower.back() == ' ')) lower.pop_back();
  return OneOf(lower, kServerSettingsNames);
}

unsigned Be16(const std::string& b, std::size_t at) {
  return (static_cast<unsigned char>(b[at]) << 8) | static_cast<unsigned char>(b[at + 1]);
}
std::uint32_t Be32(const std::string& b, std::size_t at) {
  return (std::uint32_t(Be16(b, at)) << 16) | Be16(b, at + 2);
}

// A TrueType or OpenType font: a sane number of tables, each record's tag
// printable and its table inside the file, after the directory.
bool WholeSfnt(const safefile::ReadOnlyFile& file) {
  const std::string head = file.Read(0, kSfntHeader);
  if (head.size() < kSfntHeader) return false;
  const unsigned tables = Be16(head, 4);
  if (tables == 0 || tables > kMostFontTables) return false;
  const std::uint64_t directoryEnd = kSfntHeader + std::uint64_t(tables) * kSfntRecord;
  if (directoryEnd > file.size()) return false;
  const std::string records = file.Read(kSfntHeader, tables * kSfntRecord);
  if (records.size() != tables * kSfntRecord) return false;
  for (unsigned i = 0; i < tables; ++i) {
    const std::size_t r = i * kSfntRecord;
    for (std::size_t k = 0; k < 4; ++k) {
      const unsigned char c = static_cast<unsigned char>(records[r + k]);
      if (c < kFirstPrintable || c >= kDelete) return false;
    }
    const std::uint64_t offset = Be32(records, r + 8);
    const std::uint64_t length = Be32(records, r + 12);
    if (offset < directoryEnd || offset + length > file.size()) return false;
  }
  return true;
}

// A WOFF or WOFF2 font: its header's length is the file's, it has tables,
// its reserved field is zero, and its directory fits the file.
bool WholeWoff(const safefile::ReadOnlyFile& file, bool woff2) {
  const std::size_t header = woff2 ? kWoff2Header : kWoffHeader;
  const std::string head = file.Read(0, header);
  if (head.size() < header || Be32(head, 8) != file.size()) return false;
  const unsigned tables = Be16(head, 12);
  if (tables == 0 || tables > kMostFontTables || Be16(head, 14) != 0) return false;
  // WOFF2's directory is of variable size; WOFF's records are fixed.
  const std::uint64_t least = header + std::uint64_t(tables) * (woff2 ? 2 : kWoffRecord);
  return least <= file.size();
}

bool WholeFont(const safefile::ReadOnlyFile& file, std::string_view head) {
  if (head.substr(0, 4) == "wOFF") return WholeWoff(file, false);
  if (head.substr(0, 4) == "wOF2") return WholeWoff(file, true);
  return WholeSfnt(file);
}

// An SVG image as a browser would run it: any element or attribute that
// runs script makes it refused, and so does anything this reading does not
// follow (a document type with its own declarations, a tag never closed).
class SvgReader {
 public:
  explicit SvgReader(std::string_view text) : s_(text) {}

  bool Inert() {
    // A transform's elements build whatever page they like where a browser
    // applies them.
    if (s_.find("http://www.w3.org/1999/XSL/Transform") != std::string_view::npos) return false;
    while (at_ < s_.size()) {
      const std::size_t open = s_.find('<', at_);
      if (open == std::string_view::npos) return true;
      at_ = open;
      if (Next("<!--")) {
        if (!SkipPast("-->")) return false;
      } else if (Next("<![CDATA[")) {
        if (!SkipPast("]]>")) return false;
      } else if (Next("<?")) {
        // Only the XML declaration: another instruction (a style sheet that
        // transforms the image into a page) is not read further.
        if (!Declaration() || !SkipPast("?>")) return false;
      } else if (Next("<!")) {
        // A document type: one with declarations of its own (entities that
        // spell anything) is not read further.
        const std::size_t close = s_.find('>', at_);
        if (close == std::string_view::npos) return false;
        if (s_.substr(at_, close - at_).find('[') != std::string_view::npos) return false;
        at_ = close + 1;
      } else if (!Tag()) {
        return false;
      }
    }
    return true;
  }

 private:
  // Just read "<?": whether the instruction is the XML declaration.
  bool Declaration() const {
    return s_.substr(at_, 3) == "xml" && at_ + 3 < s_.size() &&
           std::string_view(" \t\r\n").find(s_[at_ + 3]) != std::string_view::npos;
  }
  bool Next(std::string_view word) {
    if (s_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  bool SkipPast(std::string_view end) {
    const std::size_t found = s_.find(end, at_);
    if (found == std::string_view::npos) return false;
    at_ = found + end.size();
    return true;
  }
  static bool Space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
  static bool NameChar(char c) {
    return !Space(c) && c != '=' && c != '>' && c != '/' && c != '<' && c != '"' && c != '\'';
  }
  std::string Name() {
    const std::size_t start = at_;
    while (at_ < s_.size() && NameChar(s_[at_])) ++at_;
    std::string name = Lower(s_.substr(start, at_ - start));
    // The local part: "svg:script" and "html:script" are scripts too.
    const std::size_t colon = name.find_last_of(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
  }
  void SkipSpace() {
    while (at_ < s_.size() && Space(s_[at_])) ++at_;
  }
  // An attribute's value as the browser reads it: character references
  // resolved, and the tabs and line breaks an address loses dropped.
  std::string Decoded(std::string_view v) {
    std::string out;
    for (std::size_t i = 0; i < v.size(); ++i) {
      char c = v[i];
      if (c == '&') {
        const std::size_t semi = v.find(';', i);
        if (semi == std::string_view::npos) {
          broken_ = true;  // no well-formed SVG has this
          return out;
        }
        const std::string ref = Lower(v.substr(i + 1, semi - i - 1));
        unsigned long code = 0;
        if (!ref.empty() && ref[0] == '#') {
          const bool hex = ref.size() > 1 && ref[1] == 'x';
          code = std::strtoul(ref.c_str() + (hex ? 2 : 1), nullptr, hex ? 16 : 10);
        } else if (ref == "amp") {
          code = '&';
        } else if (ref == "lt") {
          code = '<';
        } else if (ref == "gt") {
          code = '>';
        } else if (ref == "quot") {
          code = '"';
        } else if (ref == "apos") {
          code = '\'';
        }
        i = semi;
        // Only what spells a word matters here; anything else stands as a mark.
        c = code > 0 && code < 0x80 ? static_cast<char>(code) : '?';
      }
      if (c == '\t' || c == '\r' || c == '\n') continue;
      out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
  }
  bool Tag() {
    ++at_;  // '<'
    Next("/");
    const std::string element = Name();
    if (element.empty()) return false;
    for (const char* active : {"script", "foreignobject", "handler", "listener", "iframe", "embed",
                               "object", "frame", "frameset", "portal"})
      if (element == active) return false;
    for (;;) {
      SkipSpace();
      if (at_ >= s_.size()) return false;
      if (Next("/>") || Next(">")) return true;
      const std::string attribute = Name();
      if (attribute.empty()) return false;
      if (attribute.compare(0, 2, "on") == 0) return false;
      SkipSpace();
      if (!Next("=")) continue;
      SkipSpace();
      if (at_ >= s_.size() || (s_[at_] != '"' && s_[at_] != '\'')) return false;
      const char quote = s_[at_++];
      const std::size_t close = s_.find(quote, at_);
      if (close == std::string_view::npos) return false;
      const std::string value = Decoded(s_.substr(at_, close - at_));
      at_ = close + 1;
      if (broken_) return false;
      if (value.find("javascript:") != std::string::npos ||
          value.find("vbscript:") != std::string::npos ||
          value.find("data:text/html") != std::string::npos)
        return false;
      // An animation that sets an event attribute.
      if (attribute == "attributename" && value.compare(0, 2, "on") == 0) return false;
    }
  }

  std::string_view s_;
  std::size_t at_ = 0;
  bool broken_ = false;
};

bool IsSvgHead(std::string_view head) {
  // Every other image begins with its own signature.
  for (std::string_view magic : {"GIF8", "\xFF\xD8\xFF", "\x89PNG", "BM", "RIFF"})
    if (head.substr(0, magic.size()) == magic) return false;
  return true;
}

GateResult Refuse(GateRefusal why, std::string message, std::string path = {}) {
  GateResult r;
  r.status = GateStatus::Refused;
  r.refusal = why;
  r.message = std::move(message);
  r.path = std::move(path);
  return r;
}

// What is said of a file whose name does not fit what it holds.
GateResult Misfit(const std::string& shown, GateKind kind, bool svg) {
  if (kind == GateKind::InputFile)
    return Refuse(GateRefusal::NameMisfit, msg::Format(msg::kFileNameMisfitInput, shown));
  const char* what = kind == GateKind::Sound  ? "a sound"
                     : kind == GateKind::Font ? "a font"
                     : svg                    ? "an SVG image"
                                              : "an image";
  const char* names = kind == GateKind::Sound  ? ".au, .wav, .mp3 or .ogg"
                      : kind == GateKind::Font ? ".woff2, .woff, .ttf or .otf"
                      : svg                    ? ".svg"
                                               : ".gif, .png, .jpg, .jpeg, .bmp or .webp";
  return Refuse(GateRefusal::NameMisfit, msg::Format(msg::kFileNameMisfit, shown, what, names));
}

// What the page uses a file as, for a message.
const char* UseOf(GateKind kind) {
  switch (kind) {
    case GateKind::Image:
      return "an image";
    case GateKind::Sound:
      return "a sound";
    case GateKind::Font:
      return "a font";
    case GateKind::InputFile:
      return "its input file";
    case GateKind::Program:
      return "one of the program's own files";
    case GateKind::None:
      break;
  }
  return "an image, a sound or a font";
}

std::string WithSlash(std::string s) {
  if (!s.empty() && s.back() != '/') s += '/';
  return s;
}

}  // namespace

std::string FoldedName(std::string_view name) {
  return Lower(name);
}

bool HasControlCharacter(std::string_view name) {
  for (char c : name)
    if (static_cast<unsigned char>(c) < kFirstPrintable || static_cast<unsigned char>(c) == kDelete)
      return true;
  return false;
}

std::string ShowControlCharacters(std::string_view name) {
  std::string out;
  for (char c : name) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < kFirstPrintable) {
      out += '^';
      out += static_cast<char>(u + '@');
    } else if (u == kDelete) {
      out += "^?";
    } else {
      out += c;
    }
  }
  return out;
}

std::string ControlCharacterMessage(const std::string& name) {
  return msg::Format(msg::kFileNameControl, DisplayName(ShowControlCharacters(name)));
}

FileGate::FileGate(const std::string& programDirectory) {
  if (programDirectory.empty()) return;
  const std::string dir = WithSlash(programDirectory);
  const std::string internal = version::kInternalName;
  for (const std::string& name : {internal + ".class", internal + ".jar", internal + ".cab",
                                  std::string("VelkoJfc2.class"), std::string(kRuntimeFile)}) {
    std::string real;
    if (safefile::RealPath(dir + name, real)) programFiles_.push_back(real);
  }
  std::string real;
  // A real path is in the system's own form, and so is the folder's end.
  if (safefile::RealPath(dir + "templates", real))
    templates_ = !real.empty() && real.back() == os::kSeparator ? real : real + os::kSeparator;
}

bool FileGate::IsProgramFile(const std::string& path) const {
  std::string real;
  return safefile::RealPath(path, real) && FileNameOf(path) == FileNameOf(real) &&
         std::find(programFiles_.begin(), programFiles_.end(), real) != programFiles_.end();
}

GateResult FileGate::Check(const std::string& path, GateKind expected) const {
  GateResult r = Judge(path, expected);
  r.expected = expected;
  return r;
}

GateResult FileGate::Judge(const std::string& path, GateKind expected) const {
  const std::string shown = DisplayName(path);
  if (HasControlCharacter(path))
    return Refuse(GateRefusal::ControlCharacter, ControlCharacterMessage(path));
  std::string real;
  if (!safefile::RealPath(path, real)) {
    if (errno == ENOENT || errno == ENOTDIR) {
      GateResult r;
      r.status = GateStatus::Missing;
      return r;
    }
    return Refuse(GateRefusal::NotMedia, msg::Format(msg::kFileNotMedia, shown));
  }
  // The name the page gives it, which a server sees. One of the program's
  // files is one only by its own name: under another ("run.php",
  // "index.htm") it is served as that name says.
  const std::string name = FileNameOf(path);
  const bool program =
      std::find(programFiles_.begin(), programFiles_.end(), real) != programFiles_.end() &&
      name == FileNameOf(real);
  if (!program && IsServedName(name))
    return Refuse(GateRefusal::ServedName, msg::Format(msg::kFileNameServed, shown), real);
  if (!program && IsServerSettingsName(name))
    return Refuse(GateRefusal::ServedName, msg::Format(msg::kFileNameServerSettings, shown), real);
  safefile::ReadOnlyFile file;
  if (!file.Open(real))
    return Refuse(GateRefusal::NotMedia, msg::Format(msg::kFileNotMedia, shown), real);
  if (file.size() > kLargestResource)
    return Refuse(GateRefusal::TooLarge, msg::Format(msg::kFileTooLarge, shown), real);
  GateResult r;
  r.path = real;
  r.identity = file.identity();
  r.inTemplates = !templates_.empty() && real.compare(0, templates_.size(), templates_) == 0;
  if (program) {
    r.status = GateStatus::Allowed;
    r.kind = GateKind::Program;
    return r;
  }
  const std::string head = file.Read(0, kHeadBytes);
  GateKind kind = GateKind::None;
  switch (SniffResourceBytes(head)) {
    case ResourceKind::Image:
      kind = GateKind::Image;
      break;
    case ResourceKind::Sound:
      kind = GateKind::Sound;
      break;
    case ResourceKind::Font:
      if (WholeFont(file, head)) kind = GateKind::Font;
      break;
    case ResourceKind::InputFile:
      kind = GateKind::InputFile;
      break;
    case ResourceKind::Other:
      break;
  }
  if (kind == GateKind::None)
    return Refuse(GateRefusal::NotMedia, msg::Format(msg::kFileNotMedia, shown), real);
  const bool svg = kind == GateKind::Image && IsSvgHead(head);
  const std::string ext = ExtensionOf(name);
  const GateKind named = OneOf(ext, kImageNames) || ext == kSvgName ? GateKind::Image
                         : OneOf(ext, kSoundNames)                  ? GateKind::Sound
                         : OneOf(ext, kFontNames)                   ? GateKind::Font
                                                                    : GateKind::InputFile;
  if (named != kind || (kind == GateKind::Image && svg != (ext == kSvgName))) {
    GateResult misfit = Misfit(shown, kind, svg);
    misfit.path = real;
    return misfit;
  }
  // What it holds must be what the page uses it as: a file of parameters
  // only where the page reads its parameters.
  if (kind != expected && (expected != GateKind::None || kind == GateKind::InputFile))
    return Refuse(GateRefusal::WrongKind, msg::Format(msg::kFileWrongKind, shown, UseOf(expected)),
                  real);
  if (svg && !SvgReader(file.Read(0, static_cast<std::size_t>(file.size()))).Inert())
    return Refuse(GateRefusal::ActiveSvg, msg::Format(msg::kFileActiveSvg, shown), real);
  r.status = GateStatus::Allowed;
  r.kind = kind;
  return r;
}

GateResult FileGate::CheckStored(const std::string& stored, const std::string& projectFile,
                                 GateKind expected) const {
  const std::string file = OsFromStored(stored);
  if (HasControlCharacter(file) || IsAbsolutePath(stored)) return Check(file, expected);
  std::error_code ec;
  fs::path base = projectFile.empty() ? fs::current_path(ec) : FsPath(projectFile).parent_path();
  if (base.empty()) base = fs::current_path(ec);
  return Check(EnginePath(base / FsPath(file)), expected);
}

std::vector<NameClash> NamesDifferingInCase(const std::vector<std::string>& files) {
  std::vector<NameClash> clashes;
  std::map<std::string, const std::string*> byName;
  for (const std::string& file : files) {
    auto [it, fresh] = byName.emplace(FoldedName(FileNameOf(file)), &file);
    if (!fresh && *it->second != file) clashes.push_back({*it->second, file});
  }
  return clashes;
}

GateResult SoundToTest(const FileGate& gate, const std::string& stored,
                       const std::string& projectFile, const std::string& programDirectory) {
  // A relative name starts from the project's folder (the program's for a
  // project never saved); one found only beside the program is taken from there.
  const std::string beside = WithSlash(programDirectory) + kRuntimeFile;
  GateResult r =
      gate.CheckStored(stored, projectFile.empty() ? beside : projectFile, GateKind::Sound);
  if (r.status == GateStatus::Missing && !IsAbsolutePath(stored) && !projectFile.empty())
    r = gate.CheckStored(stored, beside, GateKind::Sound);
  if (r.allowed() && r.kind != GateKind::Sound)
    return Refuse(GateRefusal::NotMedia, msg::Format(msg::kAudioFormat, stored), r.path);
  return r;
}
