#include "app/EditorModule.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

const char* const kEditorModuleName = "velkobutton_editor.so";

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

std::vector<std::string> EditorModuleCandidates(const std::string& exeDir) {
  const std::string dir = exeDir == "/" ? std::string() : exeDir;
  return {dir + "/" + kEditorModuleName, dir + "/../lib/velkobutton/" + kEditorModuleName};
}

int RunEditorModule(int argc, char** argv) {
  const std::vector<std::string> candidates =
      EditorModuleCandidates(ExeDir(argc > 0 ? argv[0] : nullptr));
  for (const std::string& path : candidates) {
    if (!IsFile(path)) continue;
    // Never unloaded: the editor's objects live until the process ends.
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      const char* why = ::dlerror();
      std::fprintf(stderr, "velkobutton: cannot load the editor (%s): %s\n", path.c_str(),
                   why ? why : "unknown error");
      return 1;
    }
    auto entry = reinterpret_cast<EditorMainFn>(::dlsym(module, VB_EDITOR_ENTRY));
    if (!entry) {
      std::fprintf(stderr, "velkobutton: %s is not the editor of this program\n", path.c_str());
      return 1;
    }
    return entry(argc, argv);
  }
  std::fprintf(stderr,
               "velkobutton: the editor is not installed (%s was not found beside the program "
               "or in %s); the command line still works: velkobutton --help\n",
               kEditorModuleName, "../lib/velkobutton");
  return 1;
}
