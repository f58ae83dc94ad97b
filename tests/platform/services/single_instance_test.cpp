#include <unistd.h>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>
#include <memory>

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

  void withoutARuntimeDirectoryTheCopiesMeetInTheTemporaryDirectory() {
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    environment_.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment_.insert(QStringLiteral("TMPDIR"), temporary.path());
    const QString name = UniqueName();

    Copy first(name, environment_);
    QVERIFY(first.Said(QStringLiteral("first")));
    QVERIFY(QFileInfo::exists(SocketPath(temporary.path(), name)));
    Copy later(name, environment_);
    QVERIFY(later.Finished());
    QCOMPARE(later.Lines(), QStringList{QStringLiteral("another")});
    QVERIFY(first.Said(QStringLiteral("came forward 1")));
    QVERIFY(first.Quit());
  }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
