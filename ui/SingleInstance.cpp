#include "ui/SingleInstance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

// A folder nobody but this user may enter: owned by the user, no access for
// group or others, and no link.
bool PrivateFolder(const QString& dir) {
  if (dir.isEmpty()) return false;
  struct stat st {};
  return lstat(QFile::encodeName(dir).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
         st.st_uid == getuid() && (st.st_mode & 077) == 0;
}

// Whether the other end of a local connection runs as this user.
bool SameUserPeer(qintptr fd) {
#if defined(__linux__)
  struct ucred peer {};
  socklen_t length = sizeof peer;
  return fd >= 0 &&
         getsockopt(static_cast<int>(fd), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
         peer.uid == getuid();
#elif defined(Q_OS_UNIX)
  uid_t uid = 0;
  gid_t gid = 0;
  return fd >= 0 && getpeereid(static_cast<int>(fd), &uid, &gid) == 0 && uid == getuid();
#else
  (void)fd;
  return true;  // a named pipe of the user's own session
#endif
}

}  // namespace

QString SingleInstance::ServerName() {
  // The session's own folder, else one the program makes for the user; where
  // neither can be had, every start is an editor of its own.
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (PrivateFolder(runtime)) return runtime + QStringLiteral("/velkobutton.socket");
  const QString own =
      QDir::tempPath() + QStringLiteral("/velkobutton-") + QString::number(getuid());
  mkdir(QFile::encodeName(own).constData(), 0700);
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
