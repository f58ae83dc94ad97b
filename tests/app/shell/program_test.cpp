#include <QtTest>

// The real program, run as a player runs it, each run with folders of its
// own. What answers without a window answers without a display and stores
// nothing.
class ProgramTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  QProcessEnvironment Environment(const QString& platform = {}) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    if (!platform.isEmpty()) environment.insert("QT_QPA_PLATFORM", platform);
    if (platform == u"xcb") environment.insert("DISPLAY", NoDisplay());
    environment.insert("XDG_CONFIG_HOME", folder_.filePath("config"));
    environment.insert("XDG_DATA_HOME", folder_.filePath("data"));
    environment.insert("XDG_RUNTIME_DIR", folder_.filePath("runtime"));
    environment.insert("KESTRAVANE_TRACE", "1");
    return environment;
  }

  // A display in this test's own empty folder, where no X server can be.
  QString NoDisplay() const { return folder_.filePath("no-server") + ":0"; }

  static bool Traced(QProcess& game, QByteArray& trace, const QByteArray& event) {
    return QTest::qWaitFor([&] {
      trace += game.readAllStandardError();
      return trace.contains(event + ' ') || game.state() == QProcess::NotRunning;
    }, 15000) && trace.contains(event + ' ');
  }

 private slots:
  void initTestCase() {
    QVERIFY(QDir().mkpath(folder_.filePath("runtime")));
    QFile::setPermissions(folder_.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  // A message and 1 for a window system that cannot start, not a crash with a core dump.
  void answersAndEndsWithItsCode() {
    const struct {
      QStringList arguments;
      QString platform;
      int code;
      QString out, err;  // the start of standard output, and something standard error says
    } runs[] = {
        {{"--help"}, "", 0, "Usage: kestravane [OPTION] [GAME.war]\n", ""},
        {{"-V"}, "", 0, "Kestravane " KESTRAVANE_VERSION "\n", ""},
        {{"--bogus"}, "", 2, "", "'--bogus'"},
        {{"-display", NoDisplay()}, "", 2, "", "Try 'kestravane --help'."},  // Qt's own option
        {{}, "nosuch", 1, "", "kestravane: cannot start the window system"},
        {{"-"}, "xcb", 1, "", "cannot start the window system"},
    };
    for (const auto& [arguments, platform, code, out, err] : runs) {
      QProcess game;
      game.setProcessEnvironment(Environment(platform));
      game.start(KESTRAVANE_PROGRAM, arguments);
      QVERIFY(game.waitForFinished(20000));
      QVERIFY2(game.exitStatus() == QProcess::NormalExit && game.exitCode() == code, qPrintable(arguments.join(' ')));
      const QString shown = game.readAllStandardOutput();
      QVERIFY2(out.isEmpty() ? shown.isEmpty() : shown.startsWith(out), qPrintable(shown));
      QVERIFY2(game.readAllStandardError().contains(err.toUtf8()), qPrintable(err));
      QVERIFY2(!QDir(folder_.filePath("config")).exists(), "the configuration folder was written");
    }
  }

  // The second start hands its game over to the first, which comes forward
  // and opens it, and ends at once. A relative path names the game in the
  // second start's folder.
  void aSecondStartHandsItsGameToTheFirstAndEndsWithZero() {
    QVERIFY(QFile::copy(KESTRAVANE_SAVED_GAME, folder_.filePath("some game.war")));
    QProcess first;
    first.setWorkingDirectory(folder_.filePath("runtime"));
    first.setProcessEnvironment(Environment("offscreen"));
    first.start(KESTRAVANE_PROGRAM, {});
    QByteArray trace;
    QVERIFY2(Traced(first, trace, "main-window-shown"), trace.constData());
    QProcess second;
    second.setProcessEnvironment(Environment("offscreen"));
    second.setWorkingDirectory(folder_.path());
    second.start(KESTRAVANE_PROGRAM, {"some game.war"});
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(!second.readAllStandardError().contains("splash-shown"));
    QVERIFY2(Traced(first, trace, "come-forward") && Traced(first, trace, "document-opened"), trace.constData());
    first.kill();
    first.waitForFinished();
  }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "program_test.moc"
