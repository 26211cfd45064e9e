#include "ui/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include "core/os/Os.h"

namespace {

// A folder nobody but this user may enter: owned by the user, no access for
// group or others, and no link.
bool PrivateFolder(const QString& dir) {
  if (dir.isEmpty()) return false;
  os::FileInfo info;
  return os::InfoOf(dir.toStdString(), info, os::Links::Own) && info.kind == os::Kind::Folder &&
         info.owner == os::UserId() && (info.mode & 077) == 0;
}

// Whether the other end of a local connection runs as this user.
bool SameUserPeer(qintptr fd) {
  return os::PeerIsSameUser(static_cast<std::intptr_t>(fd));
}

}  // namespace

QString SingleInstance::ServerName() {
  // The session's own folder, else one the program makes for the user; where
  // neither can be had, every start is an editor of its own.
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (PrivateFolder(runtime)) return runtime + QStringLiteral("/velkobutton.socket");
  const QString own =
      QDir::tempPath() + QStringLiteral("/velkobutton-") + QString::number(os::UserId());
  os::MakeFolder(own.toStdString(), os::kPrivateFolderMode);
  if (PrivateFolder(own)) return own + QStringLiteral("/velkobutton.socket");
  return QString();
}

bool SingleInstance::HandOff(const QString& path) {
  const QString name = ServerName();
  if (name.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(500)) return false;
  // The name goes only to an editor of the same user.
  if (!SameUserPeer(socket.socketDescriptor())) return false;
  QByteArray line = QFileInfo(path).absoluteFilePath().toUtf8() + '\n';
  socket.write(line);
  if (!socket.waitForBytesWritten(1000)) return false;
  // The running editor answers once it has the name.
  bool answered = socket.waitForReadyRead(2000) && socket.readAll().startsWith("ok");
  socket.disconnectFromServer();
  return answered;
}

void SingleInstance::Start() {
  const QString name = ServerName();
  if (name.isEmpty()) return;
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name)) {
    // A name left behind by an editor that ended abruptly: take it over,
    // unless an editor of this user still answers on it.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(200) && SameUserPeer(probe.socketDescriptor())) {
      probe.disconnectFromServer();
      return;
    }
    probe.abort();
    QLocalServer::removeServer(name);
    if (!server_->listen(name)) return;
  }
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    if (!SameUserPeer(socket->socketDescriptor())) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->canReadLine()) {
        // Refuse absurdly long names instead of buffering without end.
        if (socket->bytesAvailable() > 64 * 1024) socket->abort();
        return;
      }
      QString path = QString::fromUtf8(socket->readLine()).trimmed();
      socket->write("ok\n");
      socket->flush();
      if (!path.isEmpty()) emit fileHandedOver(path);
    });
  }
}

void SingleInstance::Close() {
  if (server_) server_->close();
}
