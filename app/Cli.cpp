#include "app/Cli.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/CliPublish.h"
#include "app/Heap.h"
#include "core/Archive.h"
#include "core/Doc.h"
#include "core/HeadlessPlatform.h"
#include "core/KesApp.h"
#include "core/KesDoc.h"
#include "core/Version.h"
#include "core/Win1252.h"
#include "output/FileGate.h"

namespace {

const char* const kUsage =
    "usage: velkobutton [PROJECT.but]                  start the editor\n"
    "       velkobutton export [--format page|preview|segment|input|project|resources]\n"
    "                          [--output FILE] [--runtime|--no-runtime] [PROJECT.but]\n"
    "       velkobutton publish PROJECT.but FOLDER [--name PAGE.html] [--replace]\n"
    "                           [--runtime|--no-runtime]\n"
    "       velkobutton audio FILE.au [--wave OUT.wav]\n"
    "       velkobutton --version\n";

int Usage(const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "velkobutton: %s\n", problem.c_str());
  std::fputs(kUsage, stderr);
  return 2;
}

// Standard output takes the whole text in one write where the system allows
// (a pipe or a terminal may take it in parts).
bool WriteStdout(std::string_view bytes) {
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

// Writes what `generate` hands its sink to standard output ("" or "-") or
// as the whole of `output`, which never replaces the project read.
bool WriteGenerated(const std::string& output,
                    const std::function<bool(const Doc::Sink&)>& generate,
                    const std::string& project) {
  if (output.empty() || output == "-") {
    // Standard output sent into the project itself (`>> p.but`) would add
    // the page to it.
    if (!project.empty() && safefile::SameFile(STDOUT_FILENO, project)) {
      safefile::WriteError same;
      same.failure = safefile::Failure::SameAsInput;
      same.input = project;
      Complain(TerminalWriteError("standard output", same));
      return false;
    }
    if (generate([](std::string_view piece) { return WriteStdout(piece); })) return true;
    Complain("cannot write to standard output");
    return false;
  }
  safefile::WriteError error;
  const auto produce = [&generate](std::FILE* out) {
    return generate([out](std::string_view piece) {
      return piece.empty() || std::fwrite(piece.data(), 1, piece.size(), out) == piece.size();
    });
  };
  if (safefile::Write(output, produce, {project}, &error)) return true;
  Complain(TerminalWriteError(output, error));
  return false;
}

// The same for a result made whole beforehand.
bool WriteOut(const std::string& output, const std::string& bytes, const std::string& project) {
  return WriteGenerated(
      output, [&bytes](const Doc::Sink& sink) { return sink(bytes); }, project);
}

// Ends the process at once: the project and everything else in memory goes
// with it, without taking every group apart first.
[[noreturn]] void ExitNow(int status) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(status);
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
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded) {
      if (!project.empty()) return Usage("only one project may be named");
      project = a;
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == "--format" || a == "--output") {
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

  CliSession session(runtime);
  Doc& doc = session.doc;
  // The project, the groups read from it, and the page built from them.
  constexpr std::size_t kExportBytesPerProjectByte = 6;
  PrepareHeap(project, kExportBytesPerProjectByte);
  if (!LoadProject(doc, project)) return 1;

  if (format == "page" || format == "preview" || format == "segment" || format == "input") {
    // Written as it is generated, so that a large page is never held whole.
    const auto generate = [&doc, &format](const Doc::Sink& sink) {
      if (format == "input") return doc.WriteParams(ParamForm::InputFile, sink);
      return doc.WriteHtml(format == "page"      ? PageMode::Page
                           : format == "preview" ? PageMode::Preview
                                                 : PageMode::Segment,
                           sink);
    };
    if (!WriteGenerated(output, generate, project)) ExitNow(1);
    ExitNow(0);
  }
  std::string bytes;
  if (format == "project") {
    Archive ar;
    doc.Serialize(ar);
    bytes = ar.TakeBytes();
  } else {
    doc.BuildHtml(PageMode::Page);
    std::vector<std::string> list;
    doc.GetResourceFiles(list);
    // One file a line: a name with a line break (or any control character)
    // would forge lines of its own, so the list is refused.
    for (const auto& f : list) {
      if (HasControlCharacter(f)) {
        Complain(win1252::ToUtf8(ControlCharacterMessage(f)));
        ExitNow(1);
      }
      bytes += f + "\n";
    }
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
