// One editor per user: a later start hands the file it was given to the
// editor already running, over a local socket in a folder only the user may
// enter, and only to a peer of the same user.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  // Hands `path` to an editor already running; true when one took it.
  static bool HandOff(const QString& path);
  // The socket's name; empty where no private folder can be had.
  static QString ServerName();

  // Accepts files from later starts (a name left by an editor that ended
  // abruptly is taken over).
  void Start();
  void Close();

 signals:
  // A later start handed over `path`; the sender has had its answer.
  void fileHandedOver(const QString& path);

 private:
  void OnNewConnection();

  QLocalServer* server_ = nullptr;
};
