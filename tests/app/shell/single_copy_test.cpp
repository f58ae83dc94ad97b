#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The real program, started twice: the second start hands over to the
// first and ends at once, whatever it was asked to open.
class SingleCopyTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  QProcessEnvironment Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("KESTRAVANE_TRACE", "1");
    environment.insert("XDG_RUNTIME_DIR", folder_.filePath("runtime"));
    environment.insert("XDG_CONFIG_HOME", folder_.filePath("config"));
    return environment;
  }

  static bool WaitForTrace(QProcess& game, QByteArray& trace, const QByteArray& event) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
      trace += game.readAllStandardError();
      if (trace.contains("\n" + event + " ") || trace.startsWith(event + " ")) return true;
      if (game.state() == QProcess::NotRunning) return false;
      game.waitForReadyRead(100);
    }
    return false;
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    QVERIFY(QDir().mkpath(folder_.filePath("runtime")));
    QFile::setPermissions(folder_.filePath("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }

  void aSecondStartBringsTheFirstForwardAndEndsWithZero() {
    QProcess first;
    first.setProcessEnvironment(Environment());
    first.start(KESTRAVANE_PROGRAM, {});
    QByteArray firstTrace;
    QVERIFY2(WaitForTrace(first, firstTrace, "main-window-shown"), firstTrace.constData());

    QProcess second;
    second.setProcessEnvironment(Environment());
    second.start(KESTRAVANE_PROGRAM, {folder_.filePath("some game.war")});
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    const QByteArray secondTrace = second.readAllStandardError();
    QVERIFY2(!secondTrace.contains("splash-shown"), secondTrace.constData());

    QVERIFY2(WaitForTrace(first, firstTrace, "come-forward"), firstTrace.constData());
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
  }
};

QTEST_GUILESS_MAIN(SingleCopyTest)
#include "single_copy_test.moc"
