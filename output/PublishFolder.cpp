#include "output/PublishFolder.h"

#include <vector>

#include "core/Doc.h"
#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Platform.h"
#include "output/CopyLocally.h"
#include "output/Staging.h"

PublishOutcome PublishToFolder(Doc& doc, Platform& platform, const std::string& folder,
                               const std::string& pageName, CopyProgress* progress) {
  PublishOutcome outcome;
  const std::string dir = fileops::WithSeparator(folder);
  const std::string html = doc.BuildHtml(PageMode::Page);
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
    if (StageFile(platform, src, dir, keep) == StageResult::Cancelled) ++outcome.failures;
  }
  if (outcome.kind == PublishOutcome::Kind::Published && outcome.failures > 0)
    outcome.kind = PublishOutcome::Kind::FilesMissing;
  if (progress) progress->End();
  return outcome;
}
