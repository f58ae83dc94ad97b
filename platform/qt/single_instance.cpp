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

// A request is this line, then the document's path, if any, and a NUL byte,
// which no path holds. A copy of an older version stops after the line.
const QByteArray ComeForwardRequest = "come forward\n";
constexpr qsizetype LongestRequest = 8192;
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

using ComeForward = std::function<void(const std::string& document)>;

bool AskRunningCopy(const QString& serverName, const std::string& document) {
  QLocalSocket socket;
  socket.connectToServer(serverName, QIODevice::WriteOnly);
  if (!socket.waitForConnected(DeliveryTimeoutMs)) return false;
  // The request waits in the socket until the running copy's event loop reads
  // it, even when that copy is still starting up.
  socket.write(ComeForwardRequest + QByteArray(document.data(), qsizetype(document.size())) + '\0');
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(DeliveryTimeoutMs)) break;
  }
  socket.disconnectFromServer();
  return true;
}

// Each connection carries one request; it counts once all of it has arrived,
// which may be after the sender has already gone. One too long to be a path
// only brings the copy forward.
void Answer(QLocalSocket* socket, ComeForward comeForward) {
  auto received = std::make_shared<QByteArray>();
  auto take = [socket, received, comeForward = std::move(comeForward)](bool ended) {
    received->append(socket->readAll());
    const qsizetype end = received->indexOf('\0');
    if (end < 0 && !ended && received->size() <= LongestRequest) return;
    socket->disconnect();
    socket->deleteLater();
    if (!received->startsWith(ComeForwardRequest) || !comeForward) return;
    const qsizetype length = end < 0 ? 0 : end - ComeForwardRequest.size();
    comeForward(received->mid(ComeForwardRequest.size(), length).toStdString());
  };
  QObject::connect(socket, &QLocalSocket::readyRead, socket, [take] { take(false); });
  QObject::connect(socket, &QLocalSocket::disconnected, socket, [take] { take(true); });
  take(false);
}

void Listen(const QString& serverName, ComeForward comeForward) {
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

InstanceClaim ClaimSingleInstance(const char* name, const std::string& document, ComeForward comeForward) {
  // In doubt this copy runs: a game that opens twice is better than one
  // that does not open at all.
  const std::optional<QString> place = MeetingPlace(name);
  if (!place) return InstanceClaim::First;
  const QString& serverName = *place;
  // Two copies started together must not both find no one and both listen.
  QLockFile lock(serverName + QStringLiteral(".lock"));
  const bool locked = lock.tryLock(LockWaitMs);
  if (AskRunningCopy(serverName, document)) return InstanceClaim::AnotherRunning;
  // Without a socket this copy still runs; it only cannot be found by later
  // ones. Without the lock, the copy holding it may be about to listen.
  if (locked) Listen(serverName, std::move(comeForward));
  return InstanceClaim::First;
}

}  // namespace kestravane::platform
