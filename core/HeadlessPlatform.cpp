#include "core/HeadlessPlatform.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "core/os/Os.h"

namespace {

bool IsDir(const std::string& path) {
  return os::KindOf(path) == os::Kind::Folder;
}

std::string RealPath(const std::string& path) {
  std::string real;
  return os::RealPath(path, real) ? real : std::string();
}

// The folder of the running program, without a trailing separator; the
// current folder when the system does not tell.
std::string ExeDir() {
  const std::string exe = os::ProgramPath();
  const std::size_t slash = exe.find_last_of(os::kSeparator == '/' ? "/" : "/\\");
  if (exe.empty() || slash == std::string::npos) return os::CurrentFolder();
  return slash == 0 ? "/" : exe.substr(0, slash);
}

void PercentEncode(unsigned char c, std::string& out) {
  static const char kHex[] = "0123456789ABCDEF";
  out += '%';
  out += kHex[c >> 4];
  out += kHex[c & 0xF];
}

// Path characters that stay as they are in an address: the unreserved ones,
// the sub-delimiters, ':', '@', '/', '[' and ']'.
bool KeptInPath(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  return c != 0 && std::strchr("-._~!$&'()*+,;=:@/[]", c) != nullptr;
}

// Bytes that are not UTF-8 become U+FFFD, as the editor's file names do.
std::string ValidUtf8(const std::string& s) {
  std::string out;
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t need = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      need = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      need = 2;
      if (c == 0xE0) lo = 0xA0;
      if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      need = 3;
      if (c == 0xF0) lo = 0x90;
      if (c == 0xF4) hi = 0x8F;
    }
    bool ok = need > 0;
    for (std::size_t k = 1; ok && k <= need; ++k) {
      if (i + k >= s.size()) {
        ok = false;
        break;
      }
      const unsigned char b = static_cast<unsigned char>(s[i + k]);
      ok = b >= (k == 1 ? lo : 0x80) && b <= (k == 1 ? hi : 0xBF);
    }
    if (ok) {
      out.append(s, i, need + 1);
      i += need + 1;
    } else {
      out += "\xEF\xBF\xBD";
      ++i;
    }
  }
  return out;
}

}  // namespace

std::string ShellAddress(const std::string& target) {
  std::string out;
  const std::size_t schemeEnd = target.find("://");
  if (schemeEnd != std::string::npos) {
    // An address: spaces, controls, non-ASCII and unsafe characters encoded;
    // escapes already there kept unless one '%' starts none, then every '%'
    // is encoded. Scheme and host in lower case.
    const std::string text = ValidUtf8(target);
    auto escapeAt = [&text](std::size_t i) {
      return text[i] == '%' && i + 2 < text.size() &&
             std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
             std::isxdigit(static_cast<unsigned char>(text[i + 2]));
    };
    bool escapesKept = true;
    for (std::size_t i = 0; i < text.size(); ++i)
      if (text[i] == '%' && !escapeAt(i)) escapesKept = false;
    const std::size_t authority = schemeEnd + 3;
    std::size_t hostEnd = text.find_first_of("/?#", authority);
    if (hostEnd == std::string::npos) hostEnd = text.size();
    const std::size_t at = text.rfind('@', hostEnd);
    const std::size_t host = at != std::string::npos && at >= authority ? at + 1 : authority;
    for (std::size_t i = 0; i < text.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(text[i]);
      if (i < schemeEnd || (i >= host && i < hostEnd))
        c = static_cast<unsigned char>(std::tolower(c));
      if (escapesKept && escapeAt(i)) {
        // An escaped letter, digit or "-._~" is the character itself.
        const int value = std::stoi(text.substr(i + 1, 2), nullptr, 16);
        if (std::isalnum(value) || (value && std::strchr("-._~", value)))
          out += static_cast<char>(value);
        else
          PercentEncode(static_cast<unsigned char>(value), out);
        i += 2;
      } else if (c > 0x20 && c < 0x7F && !std::strchr("\"<>\\^`{|}%", c)) {
        out += static_cast<char>(c);
      } else {
        PercentEncode(c, out);
      }
    }
    return out;
  }
  if (target.empty()) return out;
  std::string path = ValidUtf8(target);
  // "c:..." would read as a drive: the address gets a leading '/'.
  if (path.size() > 1 && path[1] == ':' && path[0] != '/') path.insert(path.begin(), '/');
  out = path[0] == '/' ? "file://" : "file:";
  if (path.compare(0, 2, "//") == 0) {
    // "//host/path": the host, in lower case, is the address's host.
    std::size_t end = path.find('/', 2);
    if (end == std::string::npos) end = path.size();
    for (std::size_t i = 2; i < end; ++i)
      out += static_cast<char>(std::tolower(static_cast<unsigned char>(path[i])));
    path.erase(0, end);
  }
  for (unsigned char c : path) {
    if (KeptInPath(c))
      out += static_cast<char>(c);
    else
      PercentEncode(c, out);
  }
  return out;
}

bool StartDetached(const std::vector<std::string>& argv) {
  return os::StartDetached(argv);
}

HeadlessPlatform::HeadlessPlatform(const std::string& settingsFile)
    : settings_(settingsFile.empty() ? ini::Store::ForUser("Velko", "VelkoButton")
                                     : ini::Store({settingsFile})) {
  settings_.onTooLarge = [this](const std::string& file) {
    if (quiet) return;
    const std::string line = "velkobutton: the settings file '" + file +
                             "' is larger than 1 MiB and was not read; the default settings "
                             "are used.\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
  };
}

int HeadlessPlatform::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon) {
  shown.push_back(text);
  if (!quiet) {
    std::string line = text + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
  }
  switch (buttons) {
    case MsgButtons::Ok:
      return IdOk;
    case MsgButtons::OkCancel:
    case MsgButtons::RetryCancel:
    case MsgButtons::YesNoCancel:
      return IdCancel;
    case MsgButtons::YesNo:
      return IdNo;
    case MsgButtons::AbortRetryIgnore:
      return IdAbort;
  }
  return IdCancel;
}

bool HeadlessPlatform::StartProcess(const std::string& program,
                                    const std::vector<std::string>& args) {
  std::vector<std::string> argv = {program};
  // The arguments are file names (or addresses made from them), kept as given.
  argv.insert(argv.end(), args.begin(), args.end());
  return StartDetached(argv);
}

bool HeadlessPlatform::OpenWithShell(const std::string& target) {
  // The command line has no desktop session of its own: the desktop's opener
  // takes the address (the editor's platform asks the desktop services).
  return os::OpenWithDesktop(ShellAddress(target));
}

void HeadlessPlatform::UnsetEnvironment(const std::string& name) {
  os::UnsetEnv(name);
}

std::string HeadlessPlatform::GetProfileString(const std::string& section, const std::string& key,
                                               const std::string& def) {
  return settings_.GetString(section, key, def);
}

int HeadlessPlatform::GetProfileInt(const std::string& section, const std::string& key, int def) {
  return settings_.GetInt(section, key, def);
}

void HeadlessPlatform::WriteProfileString(const std::string& section, const std::string& key,
                                          const std::string& value) {
  settings_.WriteString(section, key, value);
}

void HeadlessPlatform::WriteProfileInt(const std::string& section, const std::string& key,
                                       int value) {
  settings_.WriteInt(section, key, value);
}

std::string HeadlessPlatform::ProgramDir() {
  return FindProgramDir();
}

std::string HeadlessPlatform::PreviewDir() {
  return FindPreviewDir(FindProgramLayout(ExeDir()));
}

ProgramLayout FindProgramLayout(const std::string& exeDir) {
  const std::string dir = exeDir == "/" ? std::string() : exeDir;
  if (IsDir(dir + "/Help")) return {dir + "/", true};
  // The command line in bin/, the editor's program in libexec/velkobutton/:
  // each finds the share folder relative to itself.
  for (const char* relative : {VB_DATA_FROM_PROGRAM, VB_DATA_FROM_EDITOR}) {
    const std::string installed = RealPath(dir + "/" + relative);
    if (!installed.empty() && IsDir(installed))
      return {(installed == "/" ? "" : installed) + "/", false};
  }
  return {dir + "/", false};
}

std::string FindProgramDir() {
  return FindProgramLayout(ExeDir()).programDir;
}

std::string CacheDir() {
  return os::CacheFolder() + "/velkobutton/";
}

std::string FindPreviewDir(const ProgramLayout& layout) {
  // Only a run from the build tree writes beside the program; an installed
  // program, root's too, never writes into its own folder.
  if (layout.buildTree && IsDir(layout.programDir) && os::MayWrite(layout.programDir))
    return layout.programDir + "Preview/";
  return CacheDir() + kPreviewFolderPrefix + std::to_string(os::ProcessId()) + "/";
}

void RemoveFoldersOfEndedProcesses(const std::string& parent, const std::string& prefix) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (fs::directory_iterator it(os::FsPath(parent), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = os::Utf8Of(it->path().filename());
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    char* rest = nullptr;
    const long pid = std::strtol(name.c_str() + prefix.size(), &rest, 10);
    std::error_code ignored;
    if (rest && *rest == '\0' && os::ProcessEnded(pid) && it->is_directory(ignored) &&
        !it->is_symlink(ignored))
      fs::remove_all(it->path(), ignored);
  }
}
