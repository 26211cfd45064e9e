#include "output/CopyLocally.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/Doc.h"
#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Platform.h"
#include "output/FileGate.h"
#include "output/PublishFolder.h"
#include "output/Replacing.h"
#include "output/Staging.h"

namespace fs = std::filesystem;

namespace {

// `directory` as a full path with exactly one trailing '/'.
std::string FullDirectory(const std::string& directory) {
  std::error_code ec;
  fs::path p = fs::absolute(FsPath(directory), ec);
  if (ec) p = FsPath(directory);
  std::string s = EnginePath(p.lexically_normal());
  while (s.size() > 1 && (s.back() == '/' || s.back() == '\\')) s.pop_back();
  if (s.empty() || (s.back() != '/' && s.back() != '\\')) s += '/';
  return s;
}

// Asks to make a missing directory (one level) and makes it. False when the
// user says No or the directory cannot be made (the user has been told).
bool EnsureDirectory(Platform& platform, const std::string& path) {
  if (fileops::PathExists(path)) return true;
  if (platform.MessageBox(msg::Format(platform, msg::kDirectoryMissing, DisplayName(path)),
                          MsgButtons::YesNo, MsgIcon::Question) != IdYes)
    return false;
  std::error_code ec;
  fs::path p = FsPath(path);
  // One level: a missing parent makes this fail, as the question named one folder.
  if (!fs::create_directory(p, ec) && !fs::is_directory(p, ec)) {
    platform.MessageBox(msg::Format(platform, msg::kCannotCreateDirectory, DisplayName(path)),
                        MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  return true;
}

enum class Step { Next, Skip, Stop };

// Copies what the gate let through (`checked`, its verdict on `src`), while
// it still is that file; Retry judges `src` anew.
Step CopyOne(Platform& platform, const FileGate& gate, const std::string& src, GateResult checked,
             const std::string& dst, const std::vector<std::string>& keep) {
  for (;; checked = gate.Check(src, checked.expected)) {
    // Any other file at `dst` the user agreed to replace.
    std::string text;
    if (fileops::TryCopyChecked(checked, src, dst, keep, safefile::Access::Usual, text) !=
        StageResult::Cancelled)
      return Step::Next;
    const int a = platform.MessageBox(text, MsgButtons::AbortRetryIgnore, MsgIcon::Exclamation);
    if (a == IdIgnore) return Step::Skip;
    if (a != IdRetry) return Step::Stop;
  }
}

}  // namespace

CopyOutcome CopySelectedResources(Platform& platform, std::string& lastCopyDirectory,
                                  const std::vector<std::string>& selected, CopyProgress& progress,
                                  const std::vector<std::string>& keep,
                                  const std::optional<std::string>& projectFile,
                                  const std::vector<GateKind>& expected) {
  // Every file first: a missing or unreadable one stops the copy before
  // anything is made; Retry looks again.
  for (std::vector<std::string> problems = UnavailableFiles(platform, selected); !problems.empty();
       problems = UnavailableFiles(platform, selected)) {
    std::string text;
    for (const std::string& problem : problems) text += problem + "\n";
    text += msg::Text(platform, msg::kPublishNothingWritten);
    if (platform.MessageBox(text, MsgButtons::RetryCancel, MsgIcon::Exclamation) != IdRetry)
      return CopyOutcome::Stopped;
  }
  std::string chosen;
  if (!platform.BrowseForFolder(msg::kPublishTo, chosen, lastCopyDirectory) || chosen.empty())
    return CopyOutcome::Stopped;
  const std::string base = FullDirectory(chosen);
  if (!EnsureDirectory(platform, chosen) || !EnsureDirectory(platform, base))
    return CopyOutcome::Stopped;
  // Nothing is copied unless every copy is known to lose no file.
  std::vector<GateResult> checked;
  const std::string refusal =
      CheckResources(selected, base, keep, platform.ProgramDir(), expected, &checked);
  if (!refusal.empty()) {
    platform.MessageBox(refusal, MsgButtons::Ok, MsgIcon::Exclamation);
    return CopyOutcome::Stopped;
  }
  // Nor without the user's word for files from outside the project's folder
  // and for files in the folder that the copies would change.
  if ((projectFile && !AgreeToCopyFromOutside(
                          platform, FilesOutside(selected, *projectFile, platform.ProgramDir()))) ||
      !AgreeToReplace(platform, TargetsReplaced(selected, base)))
    return CopyOutcome::Stopped;

  const FileGate gate(platform.ProgramDir());
  const int total = static_cast<int>(selected.size());
  progress.Begin(total);
  bool failed = false;
  for (int i = 0; i < total; ++i) {
    const std::string& src = selected[static_cast<std::size_t>(i)];
    const std::string name = FileNameOf(src);
    progress.SetText(msg::Format(platform, msg::kCopyingFile, DisplayName(name)));
    progress.SetPos(i);
    if (progress.Cancelled()) {
      failed = true;
      break;
    }
    const Step step =
        CopyOne(platform, gate, src, checked[static_cast<std::size_t>(i)], base + name, keep);
    if (step != Step::Next) failed = true;
    if (step == Step::Stop) break;
  }
  // Success is news, not a warning.
  platform.MessageBox(failed ? msg::kPublishFailed : msg::kPublishSuccess, MsgButtons::Ok,
                      failed ? MsgIcon::Exclamation : MsgIcon::Information);
  lastCopyDirectory = chosen;
  progress.End();
  return failed ? CopyOutcome::Failed : CopyOutcome::Succeeded;
}

CopyOutcome CopySelectedResources(Doc& doc, const std::vector<std::string>& selected,
                                  CopyProgress& progress) {
  std::vector<std::string> keep;
  if (!doc.pathName().empty()) keep.push_back(doc.pathName());
  if (!doc.htmlPath.empty()) {
    const std::string page = OsFromStored(doc.htmlPath);
    keep.push_back(page);
    // The first copy starts where the page was written.
    if (doc.lastCopyDirectory.empty())
      doc.lastCopyDirectory = EnginePath(FsPath(page).parent_path());
  }
  // What the page uses each selected file as.
  std::vector<std::string> files;
  std::vector<GateKind> kinds, expected;
  doc.GetResourceFiles(files, kinds);
  for (const std::string& f : selected) {
    const auto it = std::find(files.begin(), files.end(), f);
    expected.push_back(it == files.end() ? GateKind::None : kinds[std::size_t(it - files.begin())]);
  }
  return CopySelectedResources(doc.platform(), doc.lastCopyDirectory, selected, progress, keep,
                               doc.pathName(), expected);
}
