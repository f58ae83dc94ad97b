#include "platform/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>

#include "platform/hand_over.h"

namespace kestravane::platform {
namespace {

constexpr int DeliveryTimeoutMs = 2000;
// Two copies started together take turns; a lock held longer than this is
// not worth waiting for.
constexpr int LockWaitMs = 3000;
// A later start sends its request at once: a connection that has said nothing
// whole by then is dropped, and only so many are answered at a time, so that
// idle connections neither keep later starts out nor use up the descriptors
// the game needs for its files. The others wait in the socket's queue.
constexpr int AnswerTimeoutMs = 3000;
constexpr int MostAnswered = 8;
constexpr int QueuedConnections = 64;
// After a failure to accept (no descriptor left, say) the socket stays, and
// is listened to again this much later.
constexpr int AcceptRetryMs = 500;

QString UserSuffix(const char* name) { return QStringLiteral("%1-%2").arg(QString::fromUtf8(name)).arg(getuid()); }

// Only a folder of this user's and no one else's keeps other users from
// answering for the game or blocking its start.
bool UsersAlone(const QString& folder) {
  struct stat info;
  return lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

// A socket's path, its NUL included, is at most 108 bytes.
bool FitsASocket(const QString& path) {
  return QFile::encodeName(path).size() < static_cast<qsizetype>(sizeof(sockaddr_un{}.sun_path));
}

// Where this user's copies meet: in the runtime directory when it is the
// user's own and short enough, else in a folder for the user alone in the
// temporary directory, made when missing. None when neither will do.
std::optional<QString> MeetingPlace(const char* name) {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  const QString inRuntime = QDir(runtime).filePath(UserSuffix(name));
  if (!runtime.isEmpty() && UsersAlone(runtime) && FitsASocket(inRuntime)) return inRuntime;
  const QString own = QDir(QDir::tempPath()).filePath(UserSuffix(name));
  const QByteArray path = QFile::encodeName(own);
  // Made for the user alone whatever the umask.
  if (mkdir(path.constData(), 0700) == 0) chmod(path.constData(), 0700);
  const QString inOwn = QDir(own).filePath(QStringLiteral("instance"));
  if (UsersAlone(own) && FitsASocket(inOwn)) return inOwn;
  return std::nullopt;
}

using ComeForward = std::function<void(const std::string& document)>;

bool AskRunningCopy(const QString& serverName, const std::string& document) {
  QLocalSocket socket;
  socket.connectToServer(serverName, QIODevice::WriteOnly);
  if (!socket.waitForConnected(DeliveryTimeoutMs)) return false;
  // The request waits in the socket until the running copy's event loop reads
  // it, even when that copy is still starting up.
  const std::string request = HandOverRequest(document);
  socket.write(request.data(), static_cast<qint64>(request.size()));
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(DeliveryTimeoutMs)) break;
  }
  socket.disconnectFromServer();
  return true;
}

// The listening socket, accepted from by hand: QLocalServer closes and
// removes its socket for good at the first connection it fails to accept.
class Listener final : public QObject {
 public:
  Listener(int fd, QByteArray path, ComeForward comeForward)
      : QObject(QCoreApplication::instance()),
        fd_(fd),
        path_(std::move(path)),
        comeForward_(std::move(comeForward)),
        notifier_(fd, QSocketNotifier::Read) {
    connect(&notifier_, &QSocketNotifier::activated, this, &Listener::Accept);
  }
  ~Listener() override {
    notifier_.setEnabled(false);
    close(fd_);
    unlink(path_.constData());
  }

 private:
  void Accept() {
    while (answered_ < MostAnswered) {
      const int connection = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
      if (connection >= 0) {
        Answer(connection);
      } else if (errno != EINTR && errno != ECONNABORTED) {
        if (errno != EAGAIN) Pause(AcceptRetryMs);
        return;
      }
    }
    notifier_.setEnabled(false);
  }

  void Pause(int milliseconds) {
    notifier_.setEnabled(false);
    QTimer::singleShot(milliseconds, this, &Listener::Resume);
  }

  void Resume() {
    notifier_.setEnabled(true);
    Accept();
  }

  // Each connection carries one request; it counts once all of it has
  // arrived, which may be after the sender has already gone.
  void Answer(int connection) {
    auto* socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(connection, QLocalSocket::ConnectedState, QIODevice::ReadOnly)) {
      close(connection);
      delete socket;
      return;
    }
    ++answered_;
    struct Request {
      std::string received;
      bool answered = false;
    };
    auto request = std::make_shared<Request>();
    const auto take = [this, socket, request](bool ended) {
      if (request->answered) return;
      const QByteArray bytes = socket->read(static_cast<qint64>(LongestHandOver - request->received.size()));
      request->received.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
      const HandOver handOver = ReadHandOver(request->received, ended);
      if (handOver.decision == HandOver::Decision::Waiting) return;
      request->answered = true;
      socket->disconnect();
      socket->deleteLater();
      --answered_;
      QTimer::singleShot(0, this, &Listener::Resume);
      if (handOver.decision == HandOver::Decision::ComeForward && comeForward_) comeForward_(handOver.document);
    };
    connect(socket, &QLocalSocket::readyRead, socket, [take] { take(false); });
    connect(socket, &QLocalSocket::disconnected, socket, [take] { take(true); });
    QTimer::singleShot(AnswerTimeoutMs, socket, [take] { take(true); });
    take(false);
  }

  int fd_;
  QByteArray path_;
  ComeForward comeForward_;
  QSocketNotifier notifier_;
  int answered_ = 0;
};

void Listen(const QString& serverName, ComeForward comeForward) {
  const QByteArray path = QFile::encodeName(serverName);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::copy(path.begin(), path.end(), address.sun_path);
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return;
  // Nobody answered, so a socket file left here is from a copy that crashed.
  unlink(path.constData());
  if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      chmod(path.constData(), 0600) != 0 || listen(fd, QueuedConnections) != 0) {
    close(fd);
    return;
  }
  new Listener(fd, path, std::move(comeForward));
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
