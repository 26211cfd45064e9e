#include "output/PublishFolder.h"

#include <algorithm>
#include <cstdio>
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
#include "output/Staging.h"

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

}  // namespace

std::vector<std::string> UnavailableFiles(const std::vector<std::string>& files) {
  std::vector<std::string> problems;
  for (const std::string& f : files) {
    if (!fileops::PathExists(f))
      problems.push_back(msg::Format(msg::kFileMissing, DisplayName(f)));
    else if (std::FILE* in = safefile::OpenForReading(f))
      std::fclose(in);  // opened without waiting: a pipe never holds the program
    else
      problems.push_back(msg::Format(msg::kFileUnreadable, DisplayName(f)));
  }
  return problems;
}

PublishOutcome PublishToFolder(Doc& doc, Platform& platform, const std::string& folder,
                               const std::string& pageName, CopyProgress* progress) {
  PublishOutcome outcome;
  const std::string dir = fileops::WithSeparator(folder);
  const std::string html = doc.BuildHtml(PageMode::Page);
  // Where a browser's limit binds, the user hears of it before the page goes online.
  const PropProject& project = *doc.project();
  const Drawn drawn = DrawnSize(project.projectWidth, project.projectHeight);
  if (doc.WantsRuntime() &&
      (drawn.width < project.projectWidth || drawn.height < project.projectHeight))
    platform.MessageBox(
        msg::Format(
            msg::kAppletTooLargeForBrowsers,
            std::to_string(project.projectWidth) + " x " + std::to_string(project.projectHeight),
            std::to_string(drawn.width) + " x " + std::to_string(drawn.height)),
        MsgButtons::Ok, MsgIcon::Exclamation);
  std::vector<std::string> files;
  doc.GetResourceFiles(files);
  outcome.page = dir + pageName;
  std::vector<std::string> keep{outcome.page};
  if (!doc.pathName().empty()) keep.push_back(doc.pathName());
  outcome.refusal = CheckTarget(outcome.page);
  if (outcome.refusal.empty())
    outcome.refusal = CheckResources(files, dir, keep, platform.ProgramDir());
  if (!outcome.refusal.empty()) {
    outcome.kind = PublishOutcome::Kind::Refused;
    return outcome;
  }
  // Every file first: a page without one of its files is not published.
  outcome.problems = UnavailableFiles(files);
  if (!outcome.problems.empty()) {
    outcome.kind = PublishOutcome::Kind::Unavailable;
    return outcome;
  }
  if (!MakeStagingDirectory(dir)) {
    outcome.kind = PublishOutcome::Kind::NoFolder;
    return outcome;
  }
  // The page never replaces the project it is made from, nor a file it needs.
  std::vector<std::string> inputs = files;
  if (!doc.pathName().empty()) inputs.push_back(doc.pathName());
  if (!KesDoc::WriteWholeFile(outcome.page, html, inputs, &outcome.pageError)) {
    outcome.kind = PublishOutcome::Kind::PageNotWritten;
    return outcome;
  }
  const int total = static_cast<int>(files.size());
  if (progress) progress->Begin(total);
  for (int i = 0; i < total; ++i) {
    const std::string& src = files[static_cast<std::size_t>(i)];
    if (progress) {
      progress->SetText(msg::Format(msg::kCopyingFile, DisplayName(FileNameOf(src))));
      progress->SetPos(i);
      if (progress->Cancelled()) {
        outcome.kind = PublishOutcome::Kind::Cancelled;
        break;
      }
    }
    // Every file is tried: a failure is counted and the next one goes on.
    const StageResult staged = StageFile(platform, src, dir, keep);
    if (staged == StageResult::Cancelled) ++outcome.failures;
    if (staged == StageResult::Copied) ++outcome.copied;
  }
  outcome.files = total - outcome.failures;
  if (outcome.kind == PublishOutcome::Kind::Published && outcome.failures > 0)
    outcome.kind = PublishOutcome::Kind::FilesMissing;
  if (progress) progress->End();
  return outcome;
}
