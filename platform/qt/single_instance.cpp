#include "platform/single_instance.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <memory>

namespace platform {
namespace {

const QByteArray ComeForwardRequest = "come forward\n";
constexpr int DeliveryTimeoutMs = 2000;

// One socket per user and program name, kept in the user's runtime directory
// when there is one, so that another user's copy neither finds nor blocks it.
QString ServerName(const char* name) {
  const QString socketName = QStringLiteral("%1-%2").arg(QString::fromUtf8(name)).arg(getuid());
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (runtime.isEmpty()) return socketName;
  return QDir(runtime).filePath(socketName);
}

QString LockPath(const QString& serverName) {
  if (QDir::isAbsolutePath(serverName)) return serverName + QStringLiteral(".lock");
  return QDir(QDir::tempPath()).filePath(serverName + QStringLiteral(".lock"));
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
void Answer(QLocalSocket* socket, void (*comeForward)()) {
  auto received = std::make_shared<QByteArray>();
  auto take = [socket, received, comeForward] {
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

void Listen(const QString& serverName, void (*comeForward)()) {
  // Nobody answered, so a socket file left here is from a copy that crashed.
  QLocalServer::removeServer(serverName);
  auto* server = new QLocalServer(QCoreApplication::instance());
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(serverName)) {
    delete server;
    return;
  }
  QObject::connect(server, &QLocalServer::newConnection, server, [server, comeForward] {
    while (QLocalSocket* socket = server->nextPendingConnection()) Answer(socket, comeForward);
  });
}

}  // namespace

InstanceClaim ClaimSingleInstance(const char* name, void (*comeForward)()) {
  const QString serverName = ServerName(name);
  // Two copies started together must not both find no one and both listen.
  QLockFile lock(LockPath(serverName));
  lock.lock();
  if (AskRunningCopy(serverName)) return InstanceClaim::AnotherRunning;
  // Without a socket this copy still runs; it only cannot be found by later ones.
  Listen(serverName, comeForward);
  return InstanceClaim::First;
}

}  // namespace platform
