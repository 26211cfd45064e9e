#include "core/HeadlessPlatform.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

extern char** environ;

namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

bool IsDir(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string RealPath(const std::string& path) {
  char buf[PATH_MAX];
  return realpath(path.c_str(), buf) ? std::string(buf) : std::string();
}

// The folder of the running program, without a trailing '/'; the current
// folder when the system does not tell.
std::string ExeDir() {
  std::string exe = RealPath("/proc/self/exe");
  const std::size_t slash = exe.rfind('/');
  if (exe.empty() || slash == std::string::npos) {
    char buf[PATH_MAX];
    return getcwd(buf, sizeof buf) ? std::string(buf) : std::string(".");
  }
  return slash == 0 ? "/" : exe.substr(0, slash);
}

// The home folder as the editor's libraries take it: $HOME, else the root.
std::string HomeDir() {
  std::string home = Env("HOME");
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  return home.empty() ? "/" : home;
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
  if (argv.empty() || argv[0].empty()) return false;
  // Everything the child needs is made before it exists: after fork it only
  // calls what is safe there.
  std::vector<std::string> candidates;
  if (argv[0].find('/') != std::string::npos) {
    candidates.push_back(argv[0]);
  } else {
    std::string path = Env("PATH");
    if (path.empty()) path = "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= path.size()) {
      std::size_t end = path.find(':', start);
      if (end == std::string::npos) end = path.size();
      const std::string dir = end > start ? path.substr(start, end - start) : ".";
      candidates.push_back(dir + "/" + argv[0]);
      start = end + 1;
    }
  }
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t middle = fork();
  if (middle < 0) {
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (middle == 0) {
    // The middle child starts the program in a new session and ends at
    // once, so the program is nobody's child here and leaves no zombie.
    close(report[0]);
    setsid();
    const pid_t child = fork();
    if (child == 0) {
      signal(SIGPIPE, SIG_DFL);
      int error = ENOENT;
      for (const std::string& c : candidates) {
        execve(c.c_str(), args.data(), environ);
        if (errno != ENOENT && errno != ENOTDIR) error = errno;
      }
      (void)!write(report[1], &error, sizeof error);
      _exit(127);
    }
    if (child < 0) {
      const int error = errno;
      (void)!write(report[1], &error, sizeof error);
    }
    _exit(0);
  }
  close(report[1]);
  int status = 0;
  while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  // The pipe closes without a word when the program started.
  int error = 0;
  ssize_t n;
  while ((n = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  close(report[0]);
  return n == 0;
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
  return StartDetached({"xdg-open", ShellAddress(target)});
}

void HeadlessPlatform::UnsetEnvironment(const std::string& name) {
  unsetenv(name.c_str());
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
  std::string cache = Env("XDG_CACHE_HOME");
  // A relative cache folder would depend on the current folder: it counts as unset.
  if (cache.empty() || cache[0] != '/') cache = HomeDir() + "/.cache";
  return cache + "/velkobutton/";
}

std::string FindPreviewDir(const ProgramLayout& layout) {
  // Only a run from the build tree writes beside the program; an installed
  // program, root's too, never writes into its own folder.
  if (layout.buildTree && IsDir(layout.programDir) && access(layout.programDir.c_str(), W_OK) == 0)
    return layout.programDir + "Preview/";
  return CacheDir() + kPreviewFolderPrefix + std::to_string(getpid()) + "/";
}

static bool ProcessEnded(long pid) {
  return pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

void RemoveFoldersOfEndedProcesses(const std::string& parent, const std::string& prefix) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (fs::directory_iterator it(fs::path(parent), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    char* rest = nullptr;
    const long pid = std::strtol(name.c_str() + prefix.size(), &rest, 10);
    std::error_code ignored;
    if (rest && *rest == '\0' && ProcessEnded(pid) && it->is_directory(ignored) &&
        !it->is_symlink(ignored))
      fs::remove_all(it->path(), ignored);
  }
}
