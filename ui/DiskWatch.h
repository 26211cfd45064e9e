// Watches the open project's file. A change by another program is looked
// at once the file has kept its size and time for kQuietMs (a file being
// written is never read half-done); the bar above the tree then offers it
// for reloading, once for each version of the file, and Reload reads it
// only once it is quiet. The application object owns it.
#pragma once

#include <QObject>

#include "core/SafeFile.h"

class App;
class Doc;
class FrameMain;
class QFileSystemWatcher;
class QTimer;

class DiskWatch : public QObject {
  Q_OBJECT
 public:
  // How long the open file must keep its size and time before a change by
  // another program is offered or read.
  static constexpr int kQuietMs = 500;

  DiskWatch(App& app, QObject* parent) : QObject(parent), app_(app) {}

  // Watches the project's file anew (after New, Open, Save, a reload):
  // nothing is offered for the file as it is now.
  void Watch();

 private:
  void Touched();
  void Quiet();
  void OnReloadChosen();
  void OnKeepChosen();
  void Reload();
  Doc& doc();
  FrameMain* frame() const;

  App& app_;
  QFileSystemWatcher* watcher_ = nullptr;
  QTimer* quietTimer_ = nullptr;
  safefile::FileStamp lastSeen_;  // the file at the last look
  safefile::FileStamp declined_;  // a version of the file the user would not reload
  bool reloadWanted_ = false;     // Reload was chosen while the file was still changing
};
