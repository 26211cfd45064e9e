#include "ui/DiskWatch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include "core/Doc.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "ui/App.h"
#include "ui/FrameMain.h"
#include "ui/ReloadBar.h"
#include "ui/Text.h"
#include "ui/Translations.h"

Doc& DiskWatch::doc() {
  return app_.doc();
}

FrameMain* DiskWatch::frame() const {
  return app_.frame();
}

void DiskWatch::Watch() {
  if (!watcher_) {
    watcher_ = new QFileSystemWatcher(this);
    // A change comes as several signals (a save by rename touches the
    // folder and the file), and a file may be written for a while: one
    // look once it has been quiet.
    quietTimer_ = new QTimer(this);
    quietTimer_->setSingleShot(true);
    quietTimer_->setInterval(kQuietMs);
    connect(quietTimer_, &QTimer::timeout, this, &DiskWatch::Quiet);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &DiskWatch::Touched);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &DiskWatch::Touched);
    if (frame()) {
      connect(frame()->reloadBar(), &ReloadBar::reloadChosen, this, &DiskWatch::OnReloadChosen);
      connect(frame()->reloadBar(), &ReloadBar::keepChosen, this, &DiskWatch::OnKeepChosen);
    }
  }
  const QStringList watched = watcher_->files() + watcher_->directories();
  if (!watched.isEmpty()) watcher_->removePaths(watched);
  quietTimer_->stop();
  declined_ = safefile::FileStamp();
  reloadWanted_ = false;
  if (frame()) frame()->reloadBar()->Withdraw();
  if (doc().pathName().empty()) return;
  const QString file = PathToQ(doc().pathName());
  lastSeen_ = safefile::StampOf(doc().pathName());
  // The folder too, so that a file replaced by another one is still seen.
  watcher_->addPaths({file, QFileInfo(file).absolutePath()});
}

void DiskWatch::Touched() {
  lastSeen_ = safefile::StampOf(doc().pathName());
  quietTimer_->start();
}

void DiskWatch::Quiet() {
  const safefile::FileStamp now = safefile::StampOf(doc().pathName());
  if (now != lastSeen_) {
    Touched();
    return;
  }
  // A file replaced by another one is watched anew.
  const QString file = PathToQ(doc().pathName());
  if (now.exists && !watcher_->files().contains(file)) watcher_->addPath(file);
  ReloadBar* bar = frame() ? frame()->reloadBar() : nullptr;
  if (!doc().ChangedOnDisk()) {
    // Put back as it was (or removed): nothing to offer.
    reloadWanted_ = false;
    if (bar) bar->Withdraw();
    return;
  }
  if (reloadWanted_) {
    Reload();
    return;
  }
  if (now == declined_ || !bar) return;
  const std::string name = DisplayName(doc().pathName());
  bar->Offer(ToQ(msg::Format(
      UiText(doc().IsModified() ? msg::kChangedOnDiskLosing : msg::kChangedOnDisk), name)));
}

void DiskWatch::OnReloadChosen() {
  // Read only once the file has been quiet: a file still being written is
  // read when its writer has finished.
  reloadWanted_ = true;
  const safefile::FileStamp now = safefile::StampOf(doc().pathName());
  if (quietTimer_->isActive() || now != lastSeen_) {
    Touched();
    return;
  }
  Reload();
}

void DiskWatch::OnKeepChosen() {
  reloadWanted_ = false;
  declined_ = safefile::StampOf(doc().pathName());
  if (frame()) frame()->reloadBar()->Withdraw();
}

void DiskWatch::Reload() {
  reloadWanted_ = false;
  if (frame()) frame()->reloadBar()->Withdraw();
  // What a page holds is part of the project a failed reload keeps.
  app_.router().Store(StoreFirst::kYes);
  const safefile::FileStamp version = safefile::StampOf(doc().pathName());
  if (doc().ReloadFromDisk()) {
    app_.EndPreviewOfOldProject();
    Watch();
  } else {
    // That version is not offered again; a later one is.
    declined_ = version;
  }
  if (frame()) frame()->UpdateCommandStates();
}
