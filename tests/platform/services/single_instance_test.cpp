#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QtTest>
#include <list>
#include <set>

// Each copy is a real process running the claimer program; the copies meet
// through a temporary runtime directory and a name no other test run uses.
namespace {

struct Copy {
  QProcess process;
  QString output;

  Copy(const QString& name, const QProcessEnvironment& environment, const QString& also = {}) {
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(INSTANCE_CLAIMER), also.isEmpty() ? QStringList{name} : QStringList{name, also});
  }
  ~Copy() {
    process.kill();
    process.waitForFinished();
  }
  bool Said(const QString& line) {
    for (const QDeadlineTimer deadline(10000); !Lines().contains(line); process.waitForReadyRead(100))
      if (deadline.hasExpired() || process.state() == QProcess::NotRunning) return false;
    return true;
  }
  QStringList Lines() {
    output += QString::fromUtf8(process.readAllStandardOutput());
    return output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }
  // A later copy leaves at once, having asked the first to come forward.
  bool LeftForAnother() { return Quit() && Lines() == QStringList{"another"}; }
  bool Quit() {
    process.closeWriteChannel();
    return process.waitForFinished() && process.exitCode() == 0;
  }
};

QString UniqueName() { return "kestravane-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces); }

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

  QTemporaryDir runtime_, temporary_;
  QProcessEnvironment environment_;

  QString PathIn(const QTemporaryDir& folder, const QString& name) const {
    return folder.filePath(name + '-' + QString::number(getuid()));
  }

 private slots:
  void init() {
    QVERIFY(runtime_.isValid() && temporary_.isValid());
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert("XDG_RUNTIME_DIR", runtime_.path());
    environment_.insert("TMPDIR", temporary_.path());
  }

  // The first copy is still starting up when the first request comes: it is answered once the copy runs.
  void laterCopiesAskTheFirstToComeForwardAndLeaveEvenAfterACrashOrAStuckLock() {
    const QString name = UniqueName();
    Copy first(name, environment_, "busy"), otherName(UniqueName(), environment_);
    QVERIFY(first.Said("first") && otherName.Said("first"));
    const QFileInfo socket(PathIn(runtime_, name));
    QCOMPARE(socket.permissions() & 0x77, QFile::Permissions());
    QVERIFY(Copy(name, environment_).LeftForAnother());
    QCOMPARE(first.Lines(), QStringList{"first"});
    first.process.write("started\n");
    QVERIFY(first.Said("running") && first.Said("came forward 1") && first.Quit() && otherName.Quit());
    QCOMPARE(otherName.Lines(), QStringList{"first"});
    QVERIFY(!QFileInfo::exists(socket.filePath()));
    const QString crashed = UniqueName();
    QVERIFY(Copy(crashed, environment_).Said("first") && QFileInfo::exists(PathIn(runtime_, crashed)));
    Copy restarted(crashed, environment_);
    QVERIFY(restarted.Said("first") && Copy(crashed, environment_).LeftForAnother());
    QVERIFY(restarted.Said("came forward 1"));
    const QString locked = UniqueName();
    QLockFile held(PathIn(runtime_, locked) + ".lock");
    QVERIFY(held.tryLock(0));
    Copy copy(locked, environment_);
    QVERIFY(copy.Said("first") && copy.Quit());
  }

  // A runtime directory open to the user's group is no better than none, nor is one too long for a socket's path:
  // the copies meet in the temporary directory, which all users share. Another user could once answer for the game
  // or take its requests from there: here its listener and its folder are this test's, given to nobody. In doubt
  // each copy runs, rather than vanish.
  void withoutAUsableRuntimeDirectoryTheCopiesMeetInAFolderOfTheUsersOwnAndNoOneElses() {
    QVERIFY(chmod(Native(temporary_.path()).c_str(), 01777) == 0);
    const QString longRuntime = runtime_.filePath(QString(100, 'r'));
    QVERIFY(QDir().mkdir(longRuntime) && chmod(Native(longRuntime).c_str(), 0700) == 0);
    const auto everything = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    for (const QString& runtime : {QString(), runtime_.path(), longRuntime}) {
      environment_.remove("XDG_RUNTIME_DIR");
      if (!runtime.isEmpty()) environment_.insert("XDG_RUNTIME_DIR", runtime);
      QVERIFY(chmod(Native(runtime_.path()).c_str(), runtime == runtime_.path() ? 0770 : 0700) == 0);
      const QString name = UniqueName();
      Copy first(name, environment_);
      QVERIFY(first.Said("first"));
      // A folder of this user's own, closed to others, holds the socket; the runtime folders hold nothing.
      const QFileInfo folder(PathIn(temporary_, name));
      QVERIFY(folder.isDir() && !folder.isSymLink() && folder.ownerId() == getuid() &&
              (folder.permissions() & 0x77) == 0 && QFileInfo::exists(folder.filePath() + "/instance"));
      QVERIFY(QDir(runtime_.path()).entryList({name + '*'}, everything).isEmpty());
      QVERIFY(QDir(longRuntime).isEmpty(everything));
      QVERIFY(Copy(name, environment_).LeftForAnother() && first.Said("came forward 1"));
    }
    const passwd* nobody = getpwnam("nobody");
    if (geteuid() != 0 || !nobody) QSKIP("giving files to the user nobody needs root and that user");
    environment_.remove("XDG_RUNTIME_DIR");
    const QString answered = UniqueName(), taken = UniqueName(), folder = PathIn(temporary_, taken);
    QLocalServer listener;
    listener.setSocketOptions(QLocalServer::WorldAccessOption);
    QVERIFY(listener.listen(PathIn(temporary_, answered)) && QDir().mkdir(folder));
    QVERIFY(chmod(Native(folder).c_str(), 0700) == 0);
    for (const QString& path : {PathIn(temporary_, answered), folder})
      QVERIFY(chown(Native(path).c_str(), nobody->pw_uid, nobody->pw_gid) == 0);
    std::list<Copy> copies;
    for (const QString& name : {answered, taken, taken}) {
      copies.emplace_back(name, environment_);
      QVERIFY(copies.back().Said("first"));
    }
    QCOMPARE(QDir(folder).entryList(everything), QStringList());
    for (Copy& copy : copies) QVERIFY(copy.Quit());
  }

  // Connections that say nothing are answered a few at a time and dropped after a while, and running out of descriptors
  // only pauses the answering: the first copy is still found by later starts.
  void idleConnectionsNeitherKeepOutNorStopLaterStarts() {
    const QString name = UniqueName(), socket = PathIn(runtime_, name);
    Copy first(name, environment_);
    QVERIFY(first.Said("first"));
    const auto descriptors = [folder = QStringLiteral("/proc/%1/fd").arg(first.process.processId())] {
      std::set<int> open;
      for (const QString& fd : QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        open.insert(fd.toInt());
      return open;
    };
    const std::set<int> before = descriptors();
    // A limit that leaves the first copy three descriptors: the lowest free ones.
    rlim_t limit = 0;
    for (int left = 3; left > 0; ++limit) left -= !before.contains(static_cast<int>(limit));
    for (const bool starved : {false, true}) {
      // Lowered under more open descriptors than the limit, poll() itself would fail and the copy
      // stand still: the connections of the round before are let go first.
      QTRY_VERIFY_WITH_TIMEOUT(descriptors() == before, 10000);
      const rlimit room{limit, limit};
      if (starved) QVERIFY(prlimit(static_cast<pid_t>(first.process.processId()), RLIMIT_NOFILE, &room, nullptr) == 0);
      std::list<QLocalSocket> idle(20);
      for (QLocalSocket& connection : idle) {
        connection.connectToServer(socket);
        QVERIFY(connection.waitForConnected(1000));
      }
      QTest::qWait(300);
      QVERIFY(descriptors().size() <= before.size() + 8 && QFileInfo::exists(socket));
      QVERIFY(idle.front().waitForDisconnected(6000));
    }
    QVERIFY(Copy(name, environment_).LeftForAnother() && first.Said("came forward 1"));
  }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
