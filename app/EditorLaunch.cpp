#include "app/EditorLaunch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

const char* const kEditorProgramName = "velkobutton-editor";

namespace {

// The directory of the running program, without a trailing '/'.
std::string ExeDir(const char* argv0) {
  std::string path;
  char buf[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n > 0) {
    path.assign(buf, static_cast<std::size_t>(n));
  } else if (argv0) {
    path = argv0;
  }
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool IsFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};
constexpr int kEndSignalCount = sizeof kEndSignals / sizeof kEndSignals[0];

// What a signal handler may reach: the pipe, the actions in place before
// (which a second signal gets back) and how many signals came.
struct EndSignalState {
  int pipe[2] = {-1, -1};
  bool ignored[kEndSignalCount] = {};
  struct sigaction before[kEndSignalCount] = {};
  std::atomic<int> arrived{0};
};
EndSignalState g_endSignals;

extern "C" void OnEndSignal(int sig) {
  const int saved = errno;
  if (g_endSignals.arrived.fetch_add(1) > 0) {
    // Asked twice: the program ends now, through what was there before.
    for (int i = 0; i < kEndSignalCount; ++i)
      if (kEndSignals[i] == sig) ::sigaction(sig, &g_endSignals.before[i], nullptr);
    ::raise(sig);
    errno = saved;
    return;
  }
  const unsigned char byte = static_cast<unsigned char>(sig);
  [[maybe_unused]] const ssize_t written = ::write(g_endSignals.pipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

std::vector<std::string> EditorCandidates(const std::string& exeDir) {
  const std::string dir = exeDir == "/" ? std::string() : exeDir;
  return {dir + "/" + kEditorProgramName,
          dir + "/" + VB_EDITOR_FROM_PROGRAM + "/" + kEditorProgramName};
}

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  std::fputs(
      "velkobutton: no display to show the editor on (DISPLAY and WAYLAND_DISPLAY are "
      "unset); the commands work without one: velkobutton --help\n",
      stderr);
  return false;
}

bool WantsVerbose(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) return false;
    if (std::strcmp(argv[i], "--verbose") == 0) return true;
  }
  return false;
}

void QuietWebEngine() {
  const char* given = std::getenv("QTWEBENGINE_CHROMIUM_FLAGS");
  std::string flags = given ? given : "";
  if (flags.find("--log-level") == std::string::npos) {
    constexpr const char* kFatalOnly = "--log-level=3";
    flags = flags.empty() ? kFatalOnly : flags + " " + kFatalOnly;
    ::setenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.c_str(), 1);
  }
}

int RunEditor(int argc, char** argv) {
  const std::vector<std::string> candidates =
      EditorCandidates(ExeDir(argc > 0 ? argv[0] : nullptr));
  for (const std::string& path : candidates) {
    if (!IsFile(path)) continue;
    if (!HasDisplay()) return 1;
    std::vector<char*> args(argv, argv + argc);
    if (args.empty()) args.push_back(const_cast<char*>(path.c_str()));
    args.push_back(nullptr);
    ::execv(path.c_str(), args.data());
    const int error = errno;
    std::fprintf(stderr, "velkobutton: cannot start the editor (%s): %s\n", path.c_str(),
                 std::strerror(error));
    return 1;
  }
  std::fprintf(stderr,
               "velkobutton: the editor is not installed (%s was not found beside the program "
               "or in %s); the command line still works: velkobutton --help\n",
               kEditorProgramName, VB_EDITOR_FROM_PROGRAM);
  return 1;
}

int CatchEndSignals() {
  EndSignalState& state = g_endSignals;
  if (state.pipe[0] < 0) {
    if (::pipe2(state.pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
      state.pipe[0] = state.pipe[1] = -1;
      return -1;
    }
    for (int i = 0; i < kEndSignalCount; ++i) {
      ::sigaction(kEndSignals[i], nullptr, &state.before[i]);
      state.ignored[i] = state.before[i].sa_handler == SIG_IGN;
    }
  }
  for (int i = 0; i < kEndSignalCount; ++i) {
    if (state.ignored[i]) {
      ::sigaction(kEndSignals[i], &state.before[i], nullptr);
      continue;
    }
    struct sigaction act {};
    act.sa_handler = OnEndSignal;
    sigemptyset(&act.sa_mask);
    act.sa_flags = SA_RESTART;
    ::sigaction(kEndSignals[i], &act, nullptr);
  }
  return state.pipe[0];
}

int TakeEndSignal(int fd) {
  unsigned char byte = 0;
  return fd >= 0 && ::read(fd, &byte, 1) == 1 ? byte : 0;
}
