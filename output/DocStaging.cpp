#include "output/DocStaging.h"

#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

#include "core/KesDoc.h"
#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/PageOptions.h"
#include "core/Platform.h"
#include "core/SafeFile.h"
#include "output/FileGate.h"
#include "output/Replacing.h"
#include "output/Staging.h"

namespace fs = std::filesystem;

namespace {

// The folder of a page's path, with its separator.
std::string FolderOfPage(const std::string& page) {
  const std::size_t slash = page.find_last_of("/\\");
  return slash == std::string::npos ? std::string("./") : page.substr(0, slash + 1);
}

bool SameContents(const std::string& a, const std::string& b) {
  std::string x, y;
  return safefile::ReadAll(a, x, kLargestResource) && safefile::ReadAll(b, y, kLargestResource) &&
         x == y;
}

}  // namespace

bool DocStaging::StagePreview(KesDoc& doc, const std::vector<std::string>& list,
                              const std::vector<GateKind>& expected, const std::string& directory) {
  Platform& platform = doc.platform();
  // A preview stages only what the file gate lets through, as copies only
  // the user may read in a folder only the user may enter; anything else is
  // left where it is, unread.
  if (!safefile::MakePrivateDirectory(directory)) return false;
  const FileGate gate(platform.ProgramDir());
  const auto tell = [&platform](const std::string& text) {
    platform.MessageBox(text, MsgButtons::Ok, MsgIcon::Exclamation);
  };
  std::vector<std::pair<std::string, GateResult>> passed;  // as named, and what passed
  std::set<std::string> judgedOnce;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string& file = list[i];
    if (!judgedOnce.insert(file).second) continue;
    const GateKind kind = i < expected.size() ? expected[i] : GateKind::None;
    GateResult judged = gate.Check(file, kind);
    // A missing file is asked about, and judged anew once it is there.
    while (judged.status == GateStatus::Missing) {
      if (platform.MessageBox(
              msg::Format(platform, msg::kFileMissing, DisplayName(file),
                          DisplayName(fileops::WithSeparator(directory) + FileNameOf(file))),
              MsgButtons::RetryCancel, MsgIcon::Exclamation) != IdRetry)
        return false;
      judged = gate.Check(file, kind);
    }
    if (judged.refusal == GateRefusal::TooLarge)
      tell(msg::Format(platform, msg::kResourceTooLargeToShow, DisplayName(file)));
    if (judged.refusal == GateRefusal::ControlCharacter) tell(judged.message);
    if (judged.allowed()) passed.emplace_back(file, std::move(judged));
  }
  // Two names a server that ignores case takes for one: neither is shown,
  // as publishing copies neither.
  std::vector<std::string> names;
  for (const auto& p : passed) names.push_back(p.first);
  std::set<std::string> clashing;
  for (const NameClash& clash : NamesDifferingInCase(names)) {
    tell(msg::Format(platform, msg::kCaseClashNotShown, DisplayName(clash.first),
                     DisplayName(clash.second)));
    clashing.insert(FoldedName(FileNameOf(clash.first)));
  }
  for (const auto& [file, judged] : passed) {
    if (clashing.count(FoldedName(FileNameOf(file)))) continue;
    if (StagePrivateCopy(platform, gate, file, judged, directory, FileNameOf(file)) ==
        StageResult::Cancelled)
      return false;
  }
  return true;
}

bool DocStaging::AgreeToPlaceRuntime(KesDoc& doc, const std::string& page) {
  Platform& platform = doc.platform();
  return AgreeToReplace(
      platform, TargetsReplaced({platform.ProgramDir() + kRuntimeFile}, FolderOfPage(page)));
}

void DocStaging::PlaceRuntimeBeside(KesDoc& doc, const std::string& page) {
  Platform& platform = doc.platform();
  const std::string folder = FolderOfPage(page);
  const std::string refusal = CheckTarget(folder + kRuntimeFile);
  if (!refusal.empty()) {
    platform.MessageBox(refusal, MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  StageFile(platform, platform.ProgramDir() + kRuntimeFile, folder, {doc.pathName(), page});
}

std::string DocStaging::BringTemplateFile(KesDoc& doc, const std::string& file, GateKind kind,
                                          const std::string& folder) {
  // Only a file that really lies in the templates folder and that the gate
  // lets through is copied, from where it really is; a file of that name
  // there stays.
  const FileGate gate(doc.platform().ProgramDir());
  const GateResult judged = gate.Check(file, kind);
  if (!judged.allowed() || !judged.inTemplates) return file;
  const std::string beside = folder + FileNameOf(file);
  std::error_code ec;
  std::string bytes;
  if (fs::exists(FsPath(beside), ec) ? SameContents(judged.path, beside)
                                     : fileops::ReadChecked(judged, bytes) &&
                                           safefile::WriteBytes(beside, bytes, {judged.path}))
    return beside;
  return file;
}
