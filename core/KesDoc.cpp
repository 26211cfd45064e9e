#include "core/KesDoc.h"

#include <algorithm>
#include <filesystem>

#include "core/Archive.h"
#include "core/KesApp.h"
#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Version.h"

void DocumentBase::SetPathName(const std::string& path) {
  pathName_ = path;
  title_ = path.empty() ? std::string(VB_TR_NOOP("msg", "Untitled")) : FileNameOf(path);
}

void DocumentBase::AddView(DocView* view) {
  if (std::find(views_.begin(), views_.end(), view) == views_.end()) views_.push_back(view);
}

void DocumentBase::RemoveView(DocView* view) {
  views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void DocumentBase::UpdateAllViews(int hint) {
  // A view may add or remove views while it is told; walk a copy.
  std::vector<DocView*> views = views_;
  for (DocView* v : views)
    if (std::find(views_.begin(), views_.end(), v) != views_.end()) v->OnUpdate(hint);
}

KesDoc::KesDoc(KesApp& app) : app_(app) {}

KesDoc::~KesDoc() = default;

Platform& KesDoc::platform() const {
  return app_.platform();
}

std::string KesDoc::DriveRoot() const {
  return app_.platform().CurrentDriveRoot();
}

void KesDoc::ReportWriteFailure(const std::string& path, const safefile::WriteError& error) {
  // A refusal says why; any other failure is the writer's own message.
  const bool refused = error.failure == safefile::Failure::SameAsInput ||
                       error.failure == safefile::Failure::NotRegular ||
                       error.failure == safefile::Failure::Program;
  safefile::WriteError shown = error;
  shown.input = DisplayName(error.input);
  platform().MessageBox(refused ? safefile::Describe(DisplayName(path), shown, &platform())
                                : msg::Format(platform(), msg::kUnableToWrite, DisplayName(path)),
                        MsgButtons::Ok, MsgIcon::Exclamation);
}

void KesDoc::Serialize(Archive& ar) {
  std::string productVersion = version::kProductVersion;
  std::string build = version::kPrivateBuild;
  if (ar.IsStoring()) {
    ar.WriteString(productVersion);
    ar.WriteString(build);
    ar.WriteString(htmlPath);
  } else {
    ar.ReadString();
    ar.ReadString();
    htmlPath = ar.ReadString();
  }
}

bool KesDoc::WriteWholeFile(const std::string& path, const std::string& bytes,
                            const std::vector<std::string>& inputs, safefile::WriteError* error) {
  return safefile::WriteBytes(path, bytes, inputs, error);
}

bool KesDoc::OnSaveDocument(const std::string& path) {
  if (!HasContents() || !app_.CommitPages()) return false;
  Archive ar;
  Serialize(ar);
  // Over the open file, a link another program put there is never written
  // through: the file takes the link's place. The link the file was opened
  // through leads where it led then.
  std::string file = path;
  safefile::Links links = safefile::Links::Follow;
  if (!path.empty() && path == pathName()) {
    links = safefile::Links::Replace;
    const std::string link = safefile::LinkTarget(path);
    if (!link.empty() && link == diskLink_) file = link;
  }
  if (!safefile::WriteBytes(file, ar.Bytes(), {}, nullptr, links)) {
    platform().MessageBox(msg::kFailedToSave, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  MarkSaved();
  return true;
}

bool KesDoc::DoSave(const std::string& path, bool replace) {
  std::string target = path;
  if (target.empty()) {
    target = pathName();
    if (target.empty()) target = title() + ".but";
    if (!platform().FileDialog(false, "but", target, kProjectFilter,
                               FdHideReadOnly | FdOverwritePrompt))
      return false;
  }
  // The open file replaced by a link: the file takes the link's place, and
  // only when the user agrees to a question that names where it leads.
  bool agreed = false;
  if (!target.empty() && target == pathName()) {
    const std::string link = safefile::LinkTarget(target);
    if (!link.empty() && link != diskLink_) {
      if (platform().MessageBox(msg::Format(platform(), msg::kLinkReplacedProject,
                                            DisplayName(target), DisplayName(link)),
                                MsgButtons::YesNo, MsgIcon::Question) != IdYes)
        return false;
      agreed = true;
    }
  }
  // Saving over the open file that another program has changed since:
  // that version is lost unless the user says so.
  if (!agreed && target == pathName() && ChangedOnDisk() &&
      platform().MessageBox(msg::Format(platform(), msg::kChangedBeforeSave, DisplayName(target)),
                            MsgButtons::YesNo, MsgIcon::Question) != IdYes)
    return false;
  if (!OnSaveDocument(target)) return false;
  if (replace) {
    SetPathName(target);
    RememberDiskFile();
  } else if (target == pathName()) {
    RememberDiskFile();
  }
  return true;
}

bool KesDoc::DoFileSave() {
  return DoSave(pathName());
}

bool KesDoc::SaveModified() {
  StopPreview();
  app_.CommitPages();
  if (!IsModified()) return true;
  const std::string name = pathName().empty() ? msg::Text(platform(), title().c_str()) : pathName();
  switch (platform().MessageBox(msg::Format(platform(), msg::kSaveChanges, DisplayName(name)),
                                MsgButtons::YesNoCancel, MsgIcon::Exclamation)) {
    case IdCancel:
      return false;
    case IdYes:
      return DoFileSave();
    default:
      return true;
  }
}

bool KesDoc::CanCloseFrame() {
  if (!app_.CommitPages()) return false;
  return SaveModified();
}
