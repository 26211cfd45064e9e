#include "app/Cli.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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
#include "core/PageOptions.h"
#include "core/Version.h"
#include "core/os/Os.h"
#include "output/FileGate.h"

namespace {

const char* const kUsage =
    "usage: velkobutton [--register] [--verbose] [PROJECT.but]   start the editor\n"
    "       velkobutton export [--format page|preview|segment|input|project|resources]\n"
    "                          [--output FILE] [--runtime|--no-runtime] [PROJECT.but]\n"
    "       velkobutton publish PROJECT.but FOLDER [--name PAGE.html] [--replace]\n"
    "                           [--runtime|--no-runtime]\n"
    "       velkobutton audio FILE.au [--wave OUT.wav]\n"
    "       velkobutton help [COMMAND] | --help | --version\n";

const char* const kRuntimeOptions =
    "  --runtime       a page of today: its buttons in HTML and CSS, with the script\n"
    "                  runtime where the project needs it\n"
    "  --no-runtime    the classic page without the runtime\n"
    "                  (without either, the settings decide; their default is on)\n";

// The sub-commands, each with its synopsis and the description of its options.
struct Command {
  const char* name;
  const char* summary;
  const char* synopsis;
  const char* options;
  bool runtimeOptions;
};

const Command kCommands[] = {
    {"export", "write one of a project's outputs to standard output or a file",
     "velkobutton export [--format FORMAT] [--output FILE] [--runtime|--no-runtime] "
     "[PROJECT.but]",
     "Writes one output of PROJECT.but (of a new project without it).\n\n"
     "  --format FORMAT one of:\n"
     "                    page       the complete page (the default)\n"
     "                    preview    the preview page\n"
     "                    segment    the buttons' part of a page\n"
     "                    input      the input file of parameters\n"
     "                    project    the project file\n"
     "                    resources  the files the page needs, one a line\n"
     "  --output FILE   write FILE (whole, or not at all) instead of standard output\n",
     true},
    {"publish", "write a project's page into a folder with every file it needs",
     "velkobutton publish PROJECT.but FOLDER [--name PAGE.html] [--replace] "
     "[--runtime|--no-runtime]",
     "Writes the page into FOLDER (made when missing) and copies the files it needs\n"
     "beside it: pictures, sounds and the runtime.\n\n"
     "  --name PAGE.html  the page's name (default: the project's name with .html)\n"
     "  --replace       replace files in FOLDER that hold something else (without it\n"
     "                  publish names them, writes nothing and ends with status 1)\n",
     true},
    {"audio", "check a Sun audio file for the buttons' sounds, or convert it",
     "velkobutton audio FILE.au [--wave OUT.wav]",
     "Checks that FILE.au is Sun audio the pages play (8000 Hz, mono, mu-law).\n\n"
     "  --wave OUT.wav  also write it as an 8-bit PCM WAVE file\n",
     false},
    {"help", "describe the program, or one command", "velkobutton help [COMMAND]",
     "Describes the program, or COMMAND (as COMMAND --help does).\n", false},
};

const Command* FindCommand(const std::string& name) {
  for (const Command& c : kCommands)
    if (name == c.name) return &c;
  return nullptr;
}

// Options the editor takes (the rest of its command line is one project).
struct EditorOption {
  const char* name;
  const char* description;
};
const EditorOption kEditorOptions[] = {
    {"--register",
     "add the editor to the desktop's menu and have it open .but files\n"
     "                  (a run from a build tree registers nothing without it)"},
    {"--verbose", "let the web engine print its messages on standard error"},
    {"--minimized", "start with the window minimized (also -iconic)"},
    {"--maximized", "start with the window maximized"},
    {"-iconic", nullptr},
};

int Usage(const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "velkobutton: %s\n", problem.c_str());
  std::fputs(kUsage, stderr);
  return 2;
}

void PrintVersion() {
  std::printf("%s %s (build %s)\n", version::kProductName, version::kProductVersion,
              version::kPrivateBuild);
}

void PrintHelp() {
  std::string text = kUsage;
  text +=
      "\nVelkoButton designs interactive buttons for web pages and publishes them as\n"
      "HTML with a small runtime. Without a command it starts the editor on\n"
      "PROJECT.but, or on a new project; an editor already running takes the file.\n"
      "The commands need no display.\n\nCommands:\n";
  for (const Command& c : kCommands) {
    std::string name = c.name;
    name.resize(10, ' ');
    text += "  " + name + c.summary + "\n";
  }
  text += "\nEditor options:\n";
  for (const EditorOption& o : kEditorOptions) {
    if (!o.description) continue;
    std::string name = o.name;
    name.resize(16, ' ');
    text += "  " + name + o.description + "\n";
  }
  text +=
      "\n  -h, --help      show this help and end\n"
      "  -V, --version   show the version and end\n"
      "  --              end the options: the next argument is the project\n"
      "\n'velkobutton help COMMAND' or 'velkobutton COMMAND --help' describes a command.\n"
      "Exit status: 0 done, 1 failed (the reason is on standard error), 2 wrong arguments.\n";
  std::fputs(text.c_str(), stdout);
}

void PrintCommandHelp(const Command& c) {
  std::string text = std::string("usage: ") + c.synopsis + "\n\n" + c.options;
  if (c.runtimeOptions) text += kRuntimeOptions;
  text += "  -h, --help      show this help and end\n";
  if (std::strcmp(c.name, "help") != 0) text += "  --              end the options\n";
  std::fputs(text.c_str(), stdout);
}

// The edits (insertions, deletions, substitutions) that turn `a` into `b`.
std::size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::string UnknownCommand(const std::string& word) {
  constexpr std::size_t kCloseEnough = 2;
  for (const Command& c : kCommands)
    if (EditDistance(word, c.name) <= kCloseEnough)
      return "unknown command '" + word + "' (did you mean '" + c.name + "'?)";
  return "unknown command '" + word + "'";
}

bool IsFileOrFolder(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(os::FsPath(path), ignored);
}

// A word that names no file and could not be one's name (no folder, no
// suffix) was meant as a command.
bool LooksLikeCommand(const std::string& word) {
  return !word.empty() && word.find_first_of("/.") == std::string::npos && !IsFileOrFolder(word);
}

// Checks the editor's command line: its options and at most one project.
// Returns -1 when the editor may start, else the usage error's status.
int CheckEditorArguments(const std::vector<std::string>& args) {
  std::vector<std::string> projects;
  bool optionsEnded = false;
  for (const std::string& a : args) {
    if (optionsEnded || a.empty() || a[0] != '-') {
      projects.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else {
      bool known = false;
      for (const EditorOption& o : kEditorOptions) known = known || a == o.name;
      if (!known) return Usage("unknown option " + a);
    }
  }
  if (projects.empty()) return -1;
  if (!optionsEnded && !args.empty() && args[0] == projects[0] && LooksLikeCommand(projects[0]))
    return Usage(UnknownCommand(projects[0]));
  if (projects.size() > 1) return Usage("only one project may be named");
  return -1;
}

// Whether a sub-command's arguments ask for its help (before any "--").
bool AsksForHelp(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (a == "--") return false;
    if (a == "--help" || a == "-h") return true;
  }
  return false;
}

// Standard output takes the whole text in one write where the system allows
// (a pipe or a terminal may take it in parts).
bool WriteStdout(std::string_view bytes) {
  if (std::fflush(stdout) != 0) return false;
  return os::WriteStandardOutput(bytes.data(), bytes.size());
}

// Writes what `generate` hands its sink to standard output ("" or "-") or
// as the whole of `output`, which never replaces the project read.
bool WriteGenerated(const std::string& output,
                    const std::function<bool(const Doc::Sink&)>& generate,
                    const std::string& project) {
  if (output.empty() || output == "-") {
    // Standard output sent into the project itself (`>> p.but`) would add
    // the page to it.
    if (!project.empty() && safefile::SameAsStandardOutput(project)) {
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
  int runtime = kRuntimeFromSettings;
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
        Complain(ControlCharacterMessage(f));
        ExitNow(1);
      }
      // The system's own form: one separator throughout.
      bytes += os::NativeSeparators(f) + "\n";
    }
  }
  if (!WriteOut(output, bytes, project)) ExitNow(1);
  ExitNow(0);
}

}  // namespace

int RunCli(int argc, char** argv) {
  if (argc < 2) return -1;
  // The arguments are file names and words, kept as the system gave them
  // (as UTF-8, whatever the system's own encoding of its command line).
  const std::vector<std::string> all = os::Arguments(argc, argv);
  const std::string cmd = all[1];
  std::vector<std::string> args(all.begin() + 2, all.end());
  if (cmd == "--version" || cmd == "-V" || cmd == "-v") {
    if (!args.empty()) return Usage("--version takes no arguments");
    PrintVersion();
    return 0;
  }
  if (cmd == "help" || cmd == "--help" || cmd == "-h") {
    if (args.size() > 1) return Usage("help takes one command");
    if (args.empty()) {
      PrintHelp();
      return 0;
    }
    const Command* c = FindCommand(args[0]);
    if (!c) return Usage(UnknownCommand(args[0]));
    PrintCommandHelp(*c);
    return 0;
  }
  if (const Command* c = FindCommand(cmd); c && AsksForHelp(args)) {
    PrintCommandHelp(*c);
    return 0;
  }
  if (cmd == "export") return Export(args);
  if (cmd == "publish") return RunPublish(args);
  if (cmd == "audio") return RunAudio(args);
  return CheckEditorArguments(std::vector<std::string>(all.begin() + 1, all.end()));
}
