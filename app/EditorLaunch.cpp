#include "app/EditorLaunch.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/os/Os.h"

const char* const kEditorProgramName = "velkobutton-editor";

namespace {

// The directory of the running program, without a trailing separator.
std::string ExeDir(const char* argv0) {
  std::string path = os::ProgramPath();
  if (path.empty() && argv0) path = argv0;
  const std::size_t slash = path.find_last_of(os::kSeparator == '/' ? "/" : "/\\");
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool IsFile(const std::string& path) {
  return os::KindOf(path) == os::Kind::Regular;
}

}  // namespace

std::vector<std::string> EditorCandidates(const std::string& exeDir) {
  const std::string dir = exeDir == "/" ? std::string() : exeDir;
  // Windows names its programs with their suffix.
  const std::string name = std::string(kEditorProgramName) + (os::kSeparator == '/' ? "" : ".exe");
  return {dir + "/" + name, dir + "/" + VB_EDITOR_FROM_PROGRAM + "/" + name};
}

bool HasDisplay() {
#ifdef _WIN32
  return true;  // the desktop is always there
#endif
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    if (!os::Env(name).empty()) return true;
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
  std::string flags = os::Env("QTWEBENGINE_CHROMIUM_FLAGS");
  if (flags.find("--log-level") == std::string::npos) {
    constexpr const char* kFatalOnly = "--log-level=3";
    flags = flags.empty() ? kFatalOnly : flags + " " + kFatalOnly;
    os::SetEnv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
  }
}

int RunEditor(int argc, char** argv) {
  const std::vector<std::string> candidates =
      EditorCandidates(ExeDir(argc > 0 ? argv[0] : nullptr));
  for (const std::string& path : candidates) {
    if (!IsFile(path)) continue;
    if (!HasDisplay()) return 1;
    os::RunInstead(path, os::Arguments(argc, argv));
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
  return os::CatchEndSignalsOnPipe();
}

int TakeEndSignal(int fd) {
  return os::TakeEndSignal(fd);
}
