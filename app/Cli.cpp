#include "app/Cli.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <string>
#include <vector>

#include "app/CliPublish.h"
#include "app/HeadlessPlatform.h"
#include "core/Archive.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/KesDoc.h"
#include "core/Version.h"

namespace {

const char* const kUsage =
    "usage: velkobutton [PROJECT.but]                  start the editor\n"
    "       velkobutton export [--format page|preview|segment|input|project|resources]\n"
    "                          [--output FILE] [--runtime|--no-runtime] [PROJECT.but]\n"
    "       velkobutton publish PROJECT.but FOLDER [--name PAGE.html] [--runtime|--no-runtime]\n"
    "       velkobutton audio FILE.au [--wave OUT.wav]\n"
    "       velkobutton --version\n";

int Usage(const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "velkobutton: %s\n", problem.c_str());
  std::fputs(kUsage, stderr);
  return 2;
}

// Standard output takes the whole text in one write where the system allows
// (a pipe or a terminal may take it in parts).
bool WriteStdout(const std::string& bytes) {
  if (std::fflush(stdout) != 0) return false;
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(STDOUT_FILENO, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Writes the result to standard output ("" or "-") or as the whole of
// `output`, which never replaces the project read.
bool WriteOut(const std::string& output, const std::string& bytes, const std::string& project) {
  if (output.empty() || output == "-") {
    if (WriteStdout(bytes)) return true;
    Complain("cannot write to standard output");
    return false;
  }
  safefile::WriteError error;
  if (KesDoc::WriteWholeFile(output, bytes, {project}, &error)) return true;
  Complain(TerminalWriteError(output, error));
  return false;
}

// Ends the process at once: the project and everything else in memory goes
// with it, without taking every group apart first.
[[noreturn]] void ExitNow(int status) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(status);
}

// A large project fills several times its size in fresh memory within a
// fraction of a second, and mapping it in page by page cost more than the
// export itself. The heap grows at once by what the project will need, and
// the system may back it with huge pages (fewer, larger page faults). Memory
// the export does not touch is never used.
void PrepareHeap(const std::string& project) {
#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
  struct stat st {};
  if (project.empty() || stat(project.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  // The project, the groups read from it, and the page built from them.
  constexpr std::size_t kBytesPerProjectByte = 6;
  constexpr std::size_t kSmallProject = std::size_t(1) << 20;
  constexpr std::size_t kLargestHeap = std::size_t(1) << 30;  // fits M_TOP_PAD
  constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
  const std::size_t size = static_cast<std::size_t>(st.st_size);
  if (size < kSmallProject) return;
  const std::size_t heap = std::min(size * kBytesPerProjectByte, kLargestHeap);
  // Large buffers come from the heap too (up to the largest size the
  // allocator takes there), the heap grows by `heap` when it grows, and it is
  // never given back before the process ends.
  constexpr int kLargestHeapBlock = 32 << 20;
  mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
  mallopt(M_TOP_PAD, static_cast<int>(heap));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(heap * 2));
  const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
  // A block larger than the room left makes the heap grow now.
  void* block = std::malloc(kSmallProject);
  if (!block) return;
  std::free(block);
  const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
  const std::uintptr_t start = (before + kHugePage - 1) & ~(kHugePage - 1);
  if (after > start) madvise(reinterpret_cast<void*>(start), after - start, MADV_HUGEPAGE);
#else
  (void)project;
#endif
}

// Loads PROJECT or makes a new project; false (with the message already on
// standard error) when the project cannot be read.
bool LoadProject(Doc& doc, const std::string& project) {
  if (project.empty()) return doc.OnNewDocument();
  return doc.OnOpenDocument(project);
}

int Export(const std::vector<std::string>& givenArgs) {
  std::vector<std::string> args = givenArgs;
  int runtime = KesDoc::kRuntimeFromSettings;
  TakeRuntimeFlags(args, runtime);
  std::string format = "page", output, project;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--format" || a == "--output") {
      if (i + 1 >= args.size()) return Usage(a + " needs a value");
      (a == "--format" ? format : output) = args[++i];
    } else if (a.rfind("--format=", 0) == 0) {
      format = a.substr(9);
    } else if (a.rfind("--output=", 0) == 0) {
      output = a.substr(9);
    } else if (!a.empty() && a[0] == '-' && a != "-") {
      return Usage("unknown option " + a);
    } else if (project.empty()) {
      project = a;
    } else {
      return Usage("only one project may be named");
    }
  }
  static const char* const kFormats[] = {"page",  "preview", "segment",
                                         "input", "project", "resources"};
  bool known = false;
  for (const char* f : kFormats) known = known || format == f;
  if (!known) return Usage("unknown format " + format);

  HeadlessPlatform platform;
  KesApp app(platform);
  app.ReadSettings();
  Doc doc(app);
  app.setCurrentDoc(&doc);
  doc.runtimeChoice = runtime;
  PrepareHeap(project);
  if (!LoadProject(doc, project)) return 1;

  std::string bytes;
  if (format == "page") {
    bytes = doc.BuildHtml(0);
  } else if (format == "preview") {
    bytes = doc.BuildHtml(1);
  } else if (format == "segment") {
    bytes = doc.BuildHtml(2);
  } else if (format == "input") {
    bytes = doc.BuildParams(1, std::string());
  } else if (format == "project") {
    Archive ar;
    doc.Serialize(ar);
    bytes = ar.TakeBytes();
  } else {
    doc.BuildHtml(0);
    std::vector<std::string> list;
    doc.GetResourceFiles(list);
    for (const auto& f : list) bytes += f + "\n";
  }
  if (!WriteOut(output, bytes, project)) ExitNow(1);
  ExitNow(0);
}

}  // namespace

int RunCli(int argc, char** argv) {
  if (argc < 2) return -1;
  const std::string cmd = argv[1];
  if (cmd == "--version" || cmd == "-v") {
    std::printf("%s %s (build %s)\n", version::kProductName, version::kProductVersion,
                version::kPrivateBuild);
    return 0;
  }
  if (cmd == "--help" || cmd == "-h") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  // The arguments are file names and words, kept as the system gave them.
  std::vector<std::string> args(argv + 2, argv + argc);
  if (cmd == "export") return Export(args);
  if (cmd == "publish") return RunPublish(args);
  if (cmd == "audio") return RunAudio(args);
  return -1;
}
