#include "platform/single_instance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <memory>
#include <optional>

namespace kestravane::platform {
namespace {

const QByteArray ComeForwardRequest = "come forward\n";
constexpr int DeliveryTimeoutMs = 2000;
// Two copies started together take turns; a lock held longer than this is
// not worth waiting for.
constexpr int LockWaitMs = 3000;

QString UserSuffix(const char* name) { return QStringLiteral("%1-%2").arg(QString::fromUtf8(name)).arg(getuid()); }

// Only a folder of this user's and no one else's keeps other users from
// answering for the game or blocking its start.
bool UsersAlone(const QString& folder) {
  struct stat info;
  return lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

// Where this user's copies meet: in the runtime directory when it is the
// user's own, else in a folder for the user alone in the temporary
// directory, made when missing. None when neither can be trusted. A socket's
// path is short (108 bytes), so its name in that folder is too.
std::optional<QString> MeetingPlace(const char* name) {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && UsersAlone(runtime)) return QDir(runtime).filePath(UserSuffix(name));
  const QString own = QDir(QDir::tempPath()).filePath(UserSuffix(name));
  const QByteArray path = QFile::encodeName(own);
  // Made for the user alone whatever the umask.
  if (mkdir(path.constData(), 0700) == 0) chmod(path.constData(), 0700);
  if (UsersAlone(own)) return QDir(own).filePath(QStringLiteral("instance"));
  return std::nullopt;
}

bool AskRunningCopy(const QString& serverName) {
  QLocalSocket socket;
  socket.connectToServer(serverName, QIODevice::WriteOnly);
  if (!socket.waitForConnected(DeliveryTimeoutMs)) return false;
  // The request waits in the socket until the running copy's event loop reads
  // it, even when that copy is still starting up.
  socket.write(ComeForwardRequest);
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(DeliveryTimeoutMs)) break;
  }
  socket.disconnectFromServer();
  return true;
}

// Each connection carries one request; it counts once all of it has arrived,
// which may be after the sender has already gone.
void Answer(QLocalSocket* socket, std::function<void()> comeForward) {
  auto received = std::make_shared<QByteArray>();
  auto take = [socket, received, comeForward = std::move(comeForward)] {
    received->append(socket->readAll());
    if (received->size() < ComeForwardRequest.size()) return;
    const bool asked = received->startsWith(ComeForwardRequest);
    received->clear();
    socket->disconnect();
    socket->deleteLater();
    if (asked && comeForward) comeForward();
  };
  QObject::connect(socket, &QLocalSocket::readyRead, socket, take);
  QObject::connect(socket, &QLocalSocket::disconnected, socket, [socket, take] {
    take();
    socket->deleteLater();
  });
  take();
}

void Listen(const QString& serverName, std::function<void()> comeForward) {
  // Nobody answered, so a socket file left here is from a copy that crashed.
  QLocalServer::removeServer(serverName);
  auto* server = new QLocalServer(QCoreApplication::instance());
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(serverName)) {
    delete server;
    return;
  }
  QObject::connect(server, &QLocalServer::newConnection, server, [server, comeForward = std::move(comeForward)] {
    while (QLocalSocket* socket = server->nextPendingConnection()) Answer(socket, comeForward);
  });
}

}  // namespace

InstanceClaim ClaimSingleInstance(const char* name, std::function<void()> comeForward) {
  // In doubt this copy runs: a game that opens twice is better than one
  // that does not open at all.
  const std::optional<QString> place = MeetingPlace(name);
  if (!place) return InstanceClaim::First;
  const QString& serverName = *place;
  // Two copies started together must not both find no one and both listen.
  QLockFile lock(serverName + QStringLiteral(".lock"));
  const bool locked = lock.tryLock(LockWaitMs);
  if (AskRunningCopy(serverName)) return InstanceClaim::AnotherRunning;
  // Without a socket this copy still runs; it only cannot be found by later
  // ones. Without the lock, the copy holding it may be about to listen.
  if (locked) Listen(serverName, std::move(comeForward));
  return InstanceClaim::First;
}

}  // namespace kestravane::platform
