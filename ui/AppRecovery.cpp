// The editor's end when its session ends, and the offer of what that end
// kept at the next start.
#include <QApplication>
#include <QDialog>

#include "core/Archive.h"
#include "core/Doc.h"
#include "core/HeadlessPlatform.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Recovery.h"
#include "core/SafeFile.h"
#include "ui/App.h"
#include "ui/FrameMain.h"
#include "ui/QtPlatform.h"
#include "ui/Text.h"
#include "ui/Translations.h"

namespace {

std::string ProjectName(const std::string& project) {
  return DisplayName(project.empty() ? UiText(VB_TR_NOOP("msg", "Untitled")) : project);
}

}  // namespace

void App::EndWithoutQuestions() {
  if (ending_) return;
  ending_ = true;
  if (auto* qt = dynamic_cast<QtPlatform*>(&platform())) qt->setUnattended(true);
  // What the open page holds is part of the edits.
  router_.Store(StoreFirst::kYes);
  if (doc_->IsModified()) {
    Archive ar;
    doc_->Serialize(ar);
    const std::string kept = recovery::Keep(platform(), doc_->pathName(), ar.Bytes(), CacheDir(),
                                            QCoreApplication::applicationPid());
    if (kept.empty())
      platform().MessageBox(
          msg::Format(UiText(msg::kRecoveryNotKept), ProjectName(doc_->pathName())), MsgButtons::Ok,
          MsgIcon::Exclamation);
    // Kept (or nowhere to keep): closing does not ask to save them.
    doc_->SetModifiedFlag(false);
  }
  // A dialog that waits for an answer is cancelled; so is any that follows.
  constexpr int kMostDialogs = 16;
  for (int i = 0; i < kMostDialogs; ++i) {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) break;
    dialog->reject();
  }
  if (frame_) frame_->close();
  QCoreApplication::exit(0);
}

bool App::OfferRecovery() {
  for (const recovery::Kept& kept : recovery::Pending(platform())) {
    const int answer = platform().MessageBox(
        msg::Format(UiText(msg::kRecoveryOffer), ProjectName(kept.project), DisplayName(kept.file)),
        MsgButtons::YesNoCancel, MsgIcon::Question);
    if (answer == IdNo) recovery::Forget(platform(), kept.file, true);
    if (answer != IdYes) continue;
    if (!router_.Store(StoreFirst::kOrStop) || !doc_->SaveModified()) return false;
    safefile::FileBytes bytes;
    if (!safefile::ReadAll(kept.file, bytes, Doc::kLargestProjectFile)) {
      platform().MessageBox(msg::kFailedToOpen, MsgButtons::Ok, MsgIcon::Exclamation);
      continue;
    }
    // A file that does not read as a project is named, and stays.
    if (!doc_->OpenFromBytes(bytes.view(), kept.project)) continue;
    doc_->MarkUnsaved();
    recovery::Forget(platform(), kept.file, true);
    if (!kept.project.empty()) AddToRecentFiles(PathToQ(kept.project));
    EndPreviewOfOldProject();
    WatchDiskFile();
    if (frame_) frame_->UpdateCommandStates();
    return true;
  }
  return false;
}
