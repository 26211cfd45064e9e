#include "output/PublishFolder.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Doc.h"
#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Platform.h"
#include "core/SafeFile.h"
#include "groups/project/PropProject.h"
#include "output/CopyLocally.h"
#include "output/Replacing.h"
#include "output/Staging.h"

namespace fs = std::filesystem;

namespace {

// What the runtime draws of an applet: at most kLargestSide pixels a side, on at
// most kMostTiles canvases of kTileSide pixels (the runtime's own limits, within
// both browser engines' layout limits; its tiles are smaller only on screens of
// more than four device pixels to the pixel).
constexpr long long kLargestSide = 16777216;
constexpr long long kTileSide = 2048;
constexpr long long kMostTiles = 4096;

struct Drawn {
  long long width, height;
};

Drawn DrawnSize(long long width, long long height) {
  Drawn d{std::min(std::max(width, 1LL), kLargestSide),
          std::min(std::max(height, 1LL), kLargestSide)};
  const long long columns = std::min((d.width + kTileSide - 1) / kTileSide, kMostTiles);
  d.width = std::min(d.width, columns * kTileSide);
  const long long rows = (d.height + kTileSide - 1) / kTileSide;
  if (columns * rows > kMostTiles)
    d.height = std::min(d.height, std::max(1LL, kMostTiles / columns) * kTileSide);
  return d;
}

std::string Trimmed(const std::string& text) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  std::size_t first = 0, end = text.size();
  while (first < end && blank(text[first])) ++first;
  while (end > first && blank(text[end - 1])) --end;
  return text.substr(first, end - first);
}

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
  if (text.size() < tail.size()) return false;
  for (std::size_t i = 0; i < tail.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[text.size() - tail.size() + i])) != tail[i])
      return false;
  return true;
}

}  // namespace

std::string PageFileName(const std::string& typed) {
  std::string name = Trimmed(typed);
  if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos)
    return std::string();
  if (!EndsWithNoCase(name, ".html") && !EndsWithNoCase(name, ".htm")) name += ".html";
  return name;
}

std::string ProposedPageName(Doc& doc) {
  if (!doc.htmlPath.empty()) {
    const std::string last = PageFileName(FileNameOf(OsFromStored(doc.htmlPath)));
    if (!last.empty()) return last;
  }
  return FileNameOf(doc.ProposedPagePath());
}

std::string TypedFolder(const std::string& typed, const std::string& projectFile) {
  const std::string folder = Trimmed(typed);
  if (folder.empty()) return folder;
  fs::path path = FsPath(folder);
  std::error_code ec;
  if (path.is_relative())
    path = projectFile.empty() ? fs::absolute(path, ec)
                               : fs::absolute(FsPath(projectFile), ec).parent_path() / path;
  return EnginePath(path.lexically_normal());
}

std::vector<std::string> UnavailableFiles(Platform& platform,
                                          const std::vector<std::string>& files) {
  std::vector<std::string> problems;
  for (const std::string& f : files) {
    if (!fileops::PathExists(f))
      problems.push_back(msg::Format(platform, msg::kFileMissing, DisplayName(f)));
    else if (std::FILE* in = safefile::OpenForReading(f))
      std::fclose(in);  // opened without waiting: a pipe never holds the program
    else
      problems.push_back(msg::Format(platform, msg::kFileUnreadable, DisplayName(f)));
  }
  return problems;
}

PublishOutcome PlanPublish(Doc& doc, Platform& platform, const std::string& folder,
                           const std::string& pageName, PublishPlan& plan) {
  PublishOutcome outcome;
  plan.folder = fileops::WithSeparator(folder);
  plan.html = doc.BuildHtml(PageMode::Page);
  // Where a browser's limit binds, the user hears of it before the page goes online.
  const PropProject& project = *doc.project();
  const Drawn drawn = DrawnSize(project.projectWidth, project.projectHeight);
  if (doc.writer().WantsRuntime() &&
      (drawn.width < project.projectWidth || drawn.height < project.projectHeight))
    platform.MessageBox(
        msg::Format(
            platform, msg::kAppletTooLargeForBrowsers,
            std::to_string(project.projectWidth) + " x " + std::to_string(project.projectHeight),
            std::to_string(drawn.width) + " x " + std::to_string(drawn.height)),
        MsgButtons::Ok, MsgIcon::Exclamation);
  doc.GetResourceFiles(plan.files, plan.expected);
  plan.page = outcome.page = plan.folder + pageName;
  plan.keep = {plan.page};
  plan.inputs = plan.files;
  if (!doc.pathName().empty()) {
    plan.keep.push_back(doc.pathName());
    plan.inputs.push_back(doc.pathName());
  }
  outcome.refusal = CheckTarget(plan.page);
  if (outcome.refusal.empty())
    outcome.refusal = CheckResources(plan.files, plan.folder, plan.keep, platform.ProgramDir(),
                                     plan.expected, &plan.checked);
  if (!outcome.refusal.empty()) {
    outcome.kind = PublishOutcome::Kind::Refused;
    return outcome;
  }
  // Every file first: a page without one of its files is not published.
  outcome.problems = UnavailableFiles(platform, plan.files);
  if (!outcome.problems.empty()) {
    outcome.kind = PublishOutcome::Kind::Unavailable;
    return outcome;
  }
  // A page that would replace one of its inputs is refused when written.
  const bool pageIsInput =
      std::any_of(plan.inputs.begin(), plan.inputs.end(),
                  [&](const std::string& input) { return fileops::SameFile(plan.page, input); });
  if (fileops::PathExists(plan.page) && !pageIsInput && !FileHolds(plan.page, plan.html))
    plan.replaced.push_back(plan.page);
  for (std::string& target : TargetsReplaced(plan.files, plan.folder))
    if (target != plan.page) plan.replaced.push_back(std::move(target));
  plan.outside = FilesOutside(plan.files, doc.pathName(), platform.ProgramDir());
  return outcome;
}

PublishOutcome CarryOutPublish(Platform& platform, const PublishPlan& plan,
                               CopyProgress* progress) {
  PublishOutcome outcome;
  outcome.page = plan.page;
  if (!MakeStagingDirectory(plan.folder)) {
    outcome.kind = PublishOutcome::Kind::NoFolder;
    return outcome;
  }
  // The page never replaces the project it is made from, nor a file it needs;
  // a page that already holds its bytes is left as it is.
  if (!FileHolds(plan.page, plan.html) &&
      !KesDoc::WriteWholeFile(plan.page, plan.html, plan.inputs, &outcome.pageError)) {
    outcome.kind = PublishOutcome::Kind::PageNotWritten;
    return outcome;
  }
  const FileGate gate(platform.ProgramDir());
  const int total = static_cast<int>(plan.files.size());
  if (progress) progress->Begin(total);
  for (int i = 0; i < total; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    const std::string& src = plan.files[at];
    if (progress) {
      progress->SetText(msg::Format(platform, msg::kCopyingFile, DisplayName(FileNameOf(src))));
      progress->SetPos(i);
      if (progress->Cancelled()) {
        outcome.kind = PublishOutcome::Kind::Cancelled;
        break;
      }
    }
    // Every file is tried: a failure is counted and the next one goes on.
    // What is copied is the file the plan checked, and only while it still is.
    const StageResult staged = StageFile(
        platform, gate, src,
        at < plan.checked.size()
            ? plan.checked[at]
            : gate.Check(src, at < plan.expected.size() ? plan.expected[at] : GateKind::None),
        plan.folder, plan.keep);
    if (staged == StageResult::Cancelled) ++outcome.failures;
    if (staged == StageResult::Copied) ++outcome.copied;
  }
  outcome.files = total - outcome.failures;
  if (outcome.kind == PublishOutcome::Kind::Published && outcome.failures > 0)
    outcome.kind = PublishOutcome::Kind::FilesMissing;
  if (progress) progress->End();
  return outcome;
}

PublishOutcome PublishToFolder(Doc& doc, Platform& platform, const std::string& folder,
                               const std::string& pageName, CopyProgress* progress) {
  PublishPlan plan;
  PublishOutcome outcome = PlanPublish(doc, platform, folder, pageName, plan);
  if (outcome.kind != PublishOutcome::Kind::Published) return outcome;
  if (!AgreeToCopyFromOutside(platform, plan.outside) || !AgreeToReplace(platform, plan.replaced)) {
    outcome.kind = PublishOutcome::Kind::Declined;
    return outcome;
  }
  return CarryOutPublish(platform, plan, progress);
}
