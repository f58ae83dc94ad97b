#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>
#include <cstring>
#include <memory>

#include "other_user.h"

// Each copy is a real process running the claimer program; the copies meet
// through a private runtime directory and a name no other test run uses.
namespace {

constexpr int WaitMs = 10000;

class Copy {
 public:
  Copy(const QString& name, const QProcessEnvironment& environment, bool busy = false) {
    process_.setProcessEnvironment(environment);
    QStringList arguments{name};
    if (busy) arguments << QStringLiteral("busy");
    process_.start(QStringLiteral(INSTANCE_CLAIMER), arguments);
  }
  ~Copy() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(WaitMs);
  }

  // True once the copy has printed `line`.
  bool Said(const QString& line) {
    const QDeadlineTimer deadline(WaitMs);
    while (!Lines().contains(line)) {
      if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) return false;
      process_.waitForReadyRead(100);
    }
    return true;
  }
  QStringList Lines() {
    output_ += QString::fromUtf8(process_.readAllStandardOutput());
    return output_.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }
  bool Finished() { return process_.waitForFinished(WaitMs) && process_.exitCode() == 0; }
  // A clean quit: the copy leaves its event loop when its input closes.
  bool Quit() {
    process_.closeWriteChannel();
    return Finished();
  }
  void Crash() {
    process_.kill();
    process_.waitForFinished(WaitMs);
  }
  void Send(const QByteArray& line) { process_.write(line); }

 private:
  QProcess process_;
  QString output_;
};

QString UniqueName() {
  return QStringLiteral("kestravane-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// A listener at `path` that answers no request.
bool ListenAt(const std::string& path) {
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  // Requests wait in the backlog, which is all a sender can see of them.
  return listener >= 0 && bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
         chmod(path.c_str(), 0777) == 0 && listen(listener, 8) == 0;
}

// A lock file at `path` as a running copy of this program would hold it.
bool LockAt(const std::string& path, const std::string& content) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) return false;
  const bool written = write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
  close(fd);
  return written;
}

QFile::Permissions OthersAndGroup() {
  return QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
         QFile::ExeOther;
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir runtime_;
  QProcessEnvironment environment_;

  QString SocketPath(const QString& directory, const QString& name) const {
    return directory + QLatin1Char('/') + name + QLatin1Char('-') + QString::number(getuid());
  }

 private slots:
  void init() {
    QVERIFY(runtime_.isValid());
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
  }

  void secondCopyAsksTheFirstToComeForwardAndLeaves() {
    const QString name = UniqueName();
    Copy first(name, environment_);
    QVERIFY(first.Said(QStringLiteral("first")));

    // The socket sits in the user's runtime directory, closed to other users.
    const QFileInfo socket(SocketPath(runtime_.path(), name));
    QVERIFY(socket.exists());
    QCOMPARE(socket.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                     QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
             QFile::Permissions());

    for (int request = 1; request <= 2; ++request) {
      Copy later(name, environment_);
      QVERIFY(later.Finished());
      QCOMPARE(later.Lines(), QStringList{QStringLiteral("another")});
      QVERIFY(first.Said(QStringLiteral("came forward %1").arg(request)));
    }
    QVERIFY(first.Quit());
    QCOMPARE(first.Lines().filter(QStringLiteral("came forward")).size(), 2);
    QVERIFY(!QFileInfo::exists(socket.filePath()));
  }

  void copiesUnderDifferentNamesRunSideBySide() {
    Copy one(UniqueName(), environment_);
    Copy other(UniqueName(), environment_);
    QVERIFY(one.Said(QStringLiteral("first")));
    QVERIFY(other.Said(QStringLiteral("first")));
    QVERIFY(one.Quit());
    QVERIFY(other.Quit());
    QVERIFY(one.Lines().filter(QStringLiteral("came forward")).isEmpty());
    QVERIFY(other.Lines().filter(QStringLiteral("came forward")).isEmpty());
  }

  void aCrashedCopyLeavesASocketThatDoesNotBlockTheNextStart() {
    const QString name = UniqueName();
    {
      Copy crashed(name, environment_);
      QVERIFY(crashed.Said(QStringLiteral("first")));
      crashed.Crash();
    }
    QVERIFY(QFileInfo::exists(SocketPath(runtime_.path(), name)));

    Copy restarted(name, environment_);
    QVERIFY(restarted.Said(QStringLiteral("first")));
    Copy later(name, environment_);
    QVERIFY(later.Finished());
    QCOMPARE(later.Lines(), QStringList{QStringLiteral("another")});
    QVERIFY(restarted.Said(QStringLiteral("came forward 1")));
    QVERIFY(restarted.Quit());
  }

  void aRequestWhileTheFirstCopyStartsUpIsAnsweredOnceItRuns() {
    const QString name = UniqueName();
    Copy first(name, environment_, true);
    QVERIFY(first.Said(QStringLiteral("first")));

    Copy later(name, environment_);
    QVERIFY(later.Finished());
    QCOMPARE(later.Lines(), QStringList{QStringLiteral("another")});
    QCOMPARE(first.Lines(), QStringList{QStringLiteral("first")});

    first.Send("started\n");
    QVERIFY(first.Said(QStringLiteral("running")));
    QVERIFY(first.Said(QStringLiteral("came forward 1")));
    QVERIFY(first.Quit());
  }

  void withoutARuntimeDirectoryTheCopiesMeetInAFolderOfTheUsersOwn() {
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    environment_.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment_.insert(QStringLiteral("TMPDIR"), temporary.path());
    const QString name = UniqueName();

    Copy first(name, environment_);
    QVERIFY(first.Said(QStringLiteral("first")));
    const QString folder = SocketPath(temporary.path(), name);
    const QFileInfo meeting(folder);
    QVERIFY(meeting.isDir() && !meeting.isSymLink());
    QCOMPARE(meeting.ownerId(), getuid());
    QCOMPARE(meeting.permissions() & OthersAndGroup(), QFile::Permissions());
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/instance")));
    Copy later(name, environment_);
    QVERIFY(later.Finished());
    QCOMPARE(later.Lines(), QStringList{QStringLiteral("another")});
    QVERIFY(first.Said(QStringLiteral("came forward 1")));
    QVERIFY(first.Quit());
  }

  void aRuntimeDirectoryOpenToOthersIsNotUsed() {
    QTemporaryDir temporary;
    QTemporaryDir open;
    QVERIFY(temporary.isValid() && open.isValid());
    QVERIFY(chmod(QFile::encodeName(open.path()).constData(), 0777) == 0);
    environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), open.path());
    environment_.insert(QStringLiteral("TMPDIR"), temporary.path());
    const QString name = UniqueName();

    Copy first(name, environment_);
    QVERIFY(first.Said(QStringLiteral("first")));
    QVERIFY(!QFileInfo::exists(SocketPath(open.path(), name)));
    Copy later(name, environment_);
    QVERIFY(later.Finished());
    QCOMPARE(later.Lines(), QStringList{QStringLiteral("another")});
    QVERIFY(first.Quit());
  }

  void aLockNeverReleasedDelaysTheStartOnlyBriefly() {
    const QString name = UniqueName();
    QLockFile held(SocketPath(runtime_.path(), name) + QStringLiteral(".lock"));
    QVERIFY(held.tryLock(0));
    Copy copy(name, environment_);
    QVERIFY(copy.Said(QStringLiteral("first")));
    QVERIFY(copy.Quit());
  }

  // Another user could once answer for this program, or block it, from the
  // temporary directory when there was no runtime directory.
  void anotherUsersListenerOrLockInTheTemporaryDirectoryIsIgnored() {
    if (!OtherUser::Why().empty()) QSKIP(OtherUser::Why().c_str());
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    QVERIFY(chmod(QFile::encodeName(temporary.path()).constData(), 01777) == 0);
    environment_.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment_.insert(QStringLiteral("TMPDIR"), temporary.path());
    const QString answeredName = UniqueName();
    const std::string socket = QFile::encodeName(SocketPath(temporary.path(), answeredName)).toStdString();
    OtherUser listener;
    QVERIFY(listener.Start([&] { return ListenAt(socket); }));
    Copy answered(answeredName, environment_);
    QVERIFY(answered.Said(QStringLiteral("first")));
    QVERIFY(answered.Quit());

    // The lock names a process that runs: this test, under the name it runs as.
    const QString blockedName = UniqueName();
    const std::string lock = QFile::encodeName(SocketPath(temporary.path(), blockedName)).toStdString() + ".lock";
    const std::string holder = std::to_string(getpid()) + "\n" +
                               QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString() +
                               "\n" + QSysInfo::machineHostName().toStdString() + "\n";
    OtherUser locker;
    QVERIFY(locker.Start([&] { return LockAt(lock, holder); }));
    Copy blocked(blockedName, environment_);
    QVERIFY(blocked.Said(QStringLiteral("first")));
    QVERIFY(blocked.Quit());
  }

  void aFolderAnotherUserMadeForTheCopiesIsNotUsed() {
    if (!OtherUser::Why().empty()) QSKIP(OtherUser::Why().c_str());
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    QVERIFY(chmod(QFile::encodeName(temporary.path()).constData(), 01777) == 0);
    environment_.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment_.insert(QStringLiteral("TMPDIR"), temporary.path());
    const QString name = UniqueName();
    const QString folder = SocketPath(temporary.path(), name);
    const std::string path = QFile::encodeName(folder).toStdString();

    OtherUser maker;
    QVERIFY(maker.Start([&] { return mkdir(path.c_str(), 0700) == 0; }));
    // In doubt, each copy opens its window rather than vanish.
    Copy first(name, environment_);
    QVERIFY(first.Said(QStringLiteral("first")));
    Copy second(name, environment_);
    QVERIFY(second.Said(QStringLiteral("first")));
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
             QStringList());
    QVERIFY(first.Quit());
    QVERIFY(second.Quit());
  }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
