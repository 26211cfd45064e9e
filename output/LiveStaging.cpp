#include "output/LiveStaging.h"

#include <set>

#include "core/KesDoc.h"
#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/SafeFile.h"
#include "core/os/Os.h"
#include "output/Staging.h"

LiveStaging::LiveStaging(std::string folder, std::string programDirectory)
    : folder_(fileops::WithSeparator(folder)), gate_(programDirectory) {
  safefile::MakePrivateDirectory(folder_);
}

bool LiveStaging::StampOf(const std::string& path, Stamp& stamp) {
  os::FileInfo info;
  if (!os::InfoOf(OsName(path), info) || info.kind != os::Kind::Regular) return false;
  constexpr long long kBillion = 1000000000LL;
  stamp.size = static_cast<long long>(info.size);
  // Whole seconds and the rest, also before 1970.
  stamp.seconds = info.modifiedNs / kBillion - (info.modifiedNs % kBillion < 0 ? 1 : 0);
  stamp.nanoseconds = static_cast<long>(info.modifiedNs - stamp.seconds * kBillion);
  stamp.inode = info.id.index;
  stamp.source = path;
  return true;
}

std::vector<std::string> LiveStaging::Update(const std::vector<std::string>& files,
                                             const std::vector<GateKind>& expected) {
  safefile::MakePrivateDirectory(folder_);
  notices_.clear();
  // What passes the gate: the file as the page names it, and what is read.
  struct Passed {
    const std::string* file;
    const GateResult* gate;
    Stamp stamp;
  };
  std::vector<Passed> passed;
  std::set<std::string> listed;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string& file = files[i];
    const GateKind kind = i < expected.size() ? expected[i] : GateKind::None;
    const std::string name = FileNameOf(file);
    if (name.empty() || !listed.insert(file).second) continue;
    // Nothing is looked up for a name with control characters.
    if (HasControlCharacter(file)) {
      notices_.push_back(ControlCharacterMessage(file));
      continue;
    }
    Stamp stamp;
    if (!StampOf(file, stamp)) continue;
    // A file judged before and unchanged since is judged alike.
    if (auto it = judged_.find(file);
        it != judged_.end() && it->second.stamp == stamp && it->second.gate.expected == kind) {
      if (!it->second.notice.empty()) notices_.push_back(it->second.notice);
      if (it->second.gate.allowed()) passed.push_back({&file, &it->second.gate, stamp});
      continue;
    }
    Judged& judged = judged_[file];
    judged = Judged{stamp, gate_.Check(file, kind), std::string()};
    if (judged.gate.refusal == GateRefusal::TooLarge)
      judged.notice = msg::Format(msg::kResourceTooLargeToShow, DisplayName(file));
    if (!judged.notice.empty()) notices_.push_back(judged.notice);
    if (judged.gate.allowed()) passed.push_back({&file, &judged.gate, stamp});
  }
  // Two names a server that ignores case takes for one: neither is shown,
  // as publishing copies neither.
  std::vector<std::string> shown;
  for (const Passed& p : passed) shown.push_back(*p.file);
  std::set<std::string> clashing;
  for (const NameClash& clash : NamesDifferingInCase(shown)) {
    notices_.push_back(
        msg::Format(msg::kCaseClashNotShown, DisplayName(clash.first), DisplayName(clash.second)));
    clashing.insert(FoldedName(FileNameOf(clash.first)));
  }
  std::vector<std::string> replaced;
  for (const Passed& p : passed) {
    const std::string name = FileNameOf(*p.file);
    if (clashing.count(FoldedName(name))) continue;
    auto it = stamps_.find(name);
    if (it != stamps_.end() && it->second == p.stamp) continue;
    // The copy is read from the real path that passed, while it is still the
    // file that passed, and is the user's alone.
    if (!fileops::CopyChecked(*p.gate, folder_ + name, {}, nullptr, safefile::Access::Private))
      continue;
    if (it != stamps_.end()) replaced.push_back(name);
    stamps_[name] = p.stamp;
  }
  return replaced;
}

bool LiveStaging::WritePage(const std::string& name, const std::string& bytes) {
  safefile::MakePrivateDirectory(folder_);
  return safefile::WriteBytes(folder_ + name, bytes, {}, nullptr, safefile::Access::Private);
}
