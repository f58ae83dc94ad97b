#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The real program's command line, run as a player would run it. Every run
// has a configuration folder of its own, which must stay empty: no option
// ever reaches the settings.
class ProgramTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  QByteArray settingsBeside_;  // the settings file beside the program, if any, as it was

  struct Run {
    int code = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QByteArray out, err;
  };

  // The program without any display: what it answers, it answers without one.
  QProcessEnvironment NoDisplay() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    environment.insert("XDG_CONFIG_HOME", folder_.filePath("config"));
    environment.insert("XDG_RUNTIME_DIR", folder_.filePath("runtime"));
    return environment;
  }

  static Run Start(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(KESTRAVANE_PROGRAM, arguments);
    Run run;
    if (!game.waitForFinished(20000)) {
      game.kill();
      game.waitForFinished();
      return run;
    }
    run.code = game.exitCode();
    run.status = game.exitStatus();
    run.out = game.readAllStandardOutput();
    run.err = game.readAllStandardError();
    return run;
  }

  static QByteArray SettingsBeside() {
    QFile file(QStringLiteral(KESTRAVANE_PROGRAM ".ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
  }

  void ExpectNothingStored() const {
    QVERIFY2(!QDir(folder_.filePath("config")).exists(), "the configuration folder was written");
    QCOMPARE(SettingsBeside(), settingsBeside_);
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    QVERIFY(QDir().mkpath(folder_.filePath("runtime")));
    QFile::setPermissions(folder_.filePath("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    settingsBeside_ = SettingsBeside();
  }

  void helpAndVersionAnswerOnStandardOutputWithoutADisplay() {
    for (const char* help : {"--help", "-h"}) {
      const Run run = Start({help}, NoDisplay());
      QCOMPARE(run.status, QProcess::NormalExit);
      QCOMPARE(run.code, 0);
      QVERIFY2(run.out.startsWith("Usage: kestravane [OPTION] [GAME.war]\n"), run.out.constData());
      QCOMPARE(run.err, QByteArray());
    }
    for (const char* version : {"--version", "-V"}) {
      const Run run = Start({version}, NoDisplay());
      QCOMPARE(run.code, 0);
      QCOMPARE(run.out, QByteArray("Kestravane " KESTRAVANE_VERSION "\n"));
      QCOMPARE(run.err, QByteArray());
    }
    ExpectNothingStored();
  }

  void aMistakeIsAUsageErrorOnStandardErrorWithExitCodeTwo_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("culprit");
    QTest::newRow("unknown option") << QStringList{"--bogus"} << "--bogus";
    QTest::newRow("Qt's -platform") << QStringList{"-platform", "nosuch"} << "-platform";
    QTest::newRow("Qt's -display") << QStringList{"-display", ":77"} << "-display";
    QTest::newRow("an option after the game") << QStringList{"game.war", "-style=fusion"} << "-style=fusion";
    QTest::newRow("two games") << QStringList{"first.war", "second.war"} << "second.war";
  }

  void aMistakeIsAUsageErrorOnStandardErrorWithExitCodeTwo() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, culprit);
    const Run run = Start(arguments, NoDisplay());
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.code, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.startsWith("kestravane: "), run.err.constData());
    QVERIFY2(run.err.contains(("'" + culprit + "'").toUtf8()), run.err.constData());
    QVERIFY2(run.err.contains("Try 'kestravane --help'."), run.err.constData());
    ExpectNothingStored();
  }

  // No display or no such window system: a message and exit code 1, not a
  // crash with a core dump.
  void aWindowSystemThatCannotStartEndsTheGameWithOne_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::newRow("no such platform plugin") << "nosuch" << "";
    QTest::newRow("an X display that is not there") << "xcb" << ":77";
  }

  void aWindowSystemThatCannotStartEndsTheGameWithOne() {
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QProcessEnvironment environment = NoDisplay();
    environment.insert("QT_QPA_PLATFORM", platform);
    if (!display.isEmpty()) environment.insert("DISPLAY", display);
    const Run run = Start({}, environment);
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains("kestravane: cannot start the window system"), run.err.constData());
    ExpectNothingStored();
  }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "program_test.moc"
