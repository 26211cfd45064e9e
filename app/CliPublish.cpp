#include "app/CliPublish.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "audio/AuFile.h"
#include "core/Doc.h"
#include "core/HeadlessPlatform.h"
#include "core/KesApp.h"
#include "core/KesDoc.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/PageOptions.h"
#include "output/PublishFolder.h"
#include "output/Staging.h"

namespace {

int Wrong(const std::string& problem, const char* usage) {
  std::fprintf(stderr, "velkobutton: %s\nusage: %s\n", problem.c_str(), usage);
  return 2;
}

// Splits `args` into positional arguments and the value of one option
// (`--opt VALUE` or `--opt=VALUE`). False, with `problem` set, on anything else.
bool Parse(const std::vector<std::string>& args, const std::string& option,
           std::vector<std::string>& positional, std::string& value, bool& given,
           std::string& problem) {
  given = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded) {
      positional.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == option) {
      if (i + 1 >= args.size()) {
        problem = option + " needs a value";
        return false;
      }
      value = args[++i];
      given = true;
    } else if (a.rfind(option + "=", 0) == 0) {
      value = a.substr(option.size() + 1);
      given = true;
    } else if (a.size() > 1 && a[0] == '-') {
      problem = "unknown option " + a;
      return false;
    } else {
      positional.push_back(a);
    }
  }
  return true;
}

// Takes every `flag` before "--" out of `args`; true when there was one.
bool TakeFlag(std::vector<std::string>& args, const std::string& flag) {
  const auto end = std::find(args.begin(), args.end(), "--");
  const auto kept = std::remove(args.begin(), end, flag);
  const bool given = kept != end;
  args.erase(kept, end);
  return given;
}

// A heading line, then each file on a line of its own, on standard error (the
// names as the system gives them).
void ListFiles(const std::string& heading, const std::vector<std::string>& files) {
  std::string text = heading + "\n";
  for (const std::string& file : files) text += file + "\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace

void Complain(const std::string& text) {
  const std::string line = "velkobutton: " + text + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string TerminalMessage(const char* text, const std::string& path) {
  return msg::Format(text, path);
}

std::string TerminalWriteError(const std::string& path, const safefile::WriteError& error) {
  // The texts are plain ASCII; the names go out as they came in.
  return safefile::Describe(path, error);
}

void TakeRuntimeFlags(std::vector<std::string>& args, int& choice) {
  std::vector<std::string> rest;
  bool optionsEnded = false;
  for (std::string& a : args) {
    if (a == "--") optionsEnded = true;
    if (optionsEnded)
      rest.push_back(std::move(a));
    else if (a == "--runtime")
      choice = kRuntimeOn;
    else if (a == "--no-runtime")
      choice = kRuntimeOff;
    else
      rest.push_back(std::move(a));
  }
  args.swap(rest);
}

int RunPublish(const std::vector<std::string>& givenArgs) {
  static const char* const kUsage =
      "velkobutton publish PROJECT.but FOLDER [--name PAGE.html] [--replace] "
      "[--runtime|--no-runtime]";
  std::vector<std::string> args = givenArgs;
  int runtime = kRuntimeFromSettings;
  TakeRuntimeFlags(args, runtime);
  const bool replace = TakeFlag(args, "--replace");
  std::vector<std::string> positional;
  std::string name, problem;
  bool named = false;
  if (!Parse(args, "--name", positional, name, named, problem)) return Wrong(problem, kUsage);
  if (positional.size() != 2) return Wrong("a project and a folder are needed", kUsage);
  if (named && (name.empty() || name.find_first_of("/\\") != std::string::npos))
    return Wrong("--name takes a file name without folders", kUsage);
  const std::string& project = positional[0];
  const std::string folder = fileops::WithSeparator(positional[1]);
  if (!named) name = EnginePath(FsPath(project).stem()) + ".html";

  CliSession session(runtime);
  if (!session.doc.OnOpenDocument(project)) return 1;

  PublishPlan plan;
  PublishOutcome outcome = PlanPublish(session.doc, session.platform, folder, name, plan);
  if (outcome.kind == PublishOutcome::Kind::Published) {
    // Named before anything is copied; the files are the project's to name.
    if (!plan.outside.empty())
      ListFiles("velkobutton: " + std::string(msg::kOutsideListed), plan.outside);
    // A site's own files are replaced only when asked for.
    if (!plan.replaced.empty() && !replace) {
      ListFiles("velkobutton: " + std::string(msg::kReplaceRefused), plan.replaced);
      return 1;
    }
    outcome = CarryOutPublish(session.platform, plan);
  }
  switch (outcome.kind) {
    case PublishOutcome::Kind::Refused:
      Complain(outcome.refusal);
      return 1;
    case PublishOutcome::Kind::NoFolder:
      Complain(TerminalMessage(msg::kCannotCreateDirectory, folder));
      return 1;
    case PublishOutcome::Kind::PageNotWritten:
      Complain(TerminalWriteError(outcome.page, outcome.pageError));
      return 1;
    case PublishOutcome::Kind::Unavailable:
      for (const std::string& problem : outcome.problems) Complain(problem);
      return 1;
    default:
      break;
  }
  // The headless platform has printed each file that failed.
  if (outcome.failures != 0) return 1;
  const std::string done =
      msg::Format(msg::kPublishedTo, name, folder, std::to_string(outcome.files),
                  std::to_string(outcome.copied)) +
      "\n";
  std::fwrite(done.data(), 1, done.size(), stdout);
  return 0;
}

int RunAudio(const std::vector<std::string>& args) {
  static const char* const kUsage = "velkobutton audio FILE.au [--wave OUT.wav]";
  std::vector<std::string> positional;
  std::string wave, problem;
  bool convert = false;
  if (!Parse(args, "--wave", positional, wave, convert, problem)) return Wrong(problem, kUsage);
  if (positional.size() != 1) return Wrong("one audio file is needed", kUsage);
  if (convert && wave.empty()) return Wrong("--wave needs a file name", kUsage);
  const std::string& file = positional[0];

  au::AuInfo info;
  std::FILE* in = safefile::OpenForReading(file);
  const bool good = in && au::ReadHeader(in, info);
  if (in) std::fclose(in);
  if (!good) {
    // A pipe, device or folder is refused at once, with the same message.
    const std::string text = TerminalMessage(msg::kAudioFormat, file) + "\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
    return 1;
  }
  safefile::WriteError error;
  if (convert && !au::ConvertFile(file, wave, &error)) {
    if (error.failure == safefile::Failure::None) {
      const std::string text = TerminalMessage(msg::kAudioFormat, file) + "\n";
      std::fwrite(text.data(), 1, text.size(), stderr);
    } else {
      Complain(TerminalWriteError(wave, error));
    }
    return 1;
  }
  // What was found, for the build log: a good file is news too.
  const std::string found = file + ": " + au::DescribeAudio(info) + "\n";
  std::fwrite(found.data(), 1, found.size(), stdout);
  return 0;
}
