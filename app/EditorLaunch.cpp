#include "app/EditorLaunch.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

}  // namespace

std::vector<std::string> EditorCandidates(const std::string& exeDir) {
  const std::string dir = exeDir == "/" ? std::string() : exeDir;
  return {dir + "/" + kEditorProgramName,
          dir + "/" + VB_EDITOR_FROM_PROGRAM + "/" + kEditorProgramName};
}

int RunEditor(int argc, char** argv) {
  const std::vector<std::string> candidates =
      EditorCandidates(ExeDir(argc > 0 ? argv[0] : nullptr));
  for (const std::string& path : candidates) {
    if (!IsFile(path)) continue;
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
