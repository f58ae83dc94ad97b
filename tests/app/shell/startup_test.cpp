#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "app/application.h"
#include "app/main_window.h"
#include "common/file_contents.h"
#include "common/qt_waits.h"
#include "document/game_file_io.h"
#include "engine/game_flow.h"
#include "platform/profile.h"
#include "platform/screen.h"
#include "platform/single_instance.h"
#include "platform/system.h"
#include "support/library.h"

using namespace kestravane;

namespace {

MainWindow* RunningMainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<MainWindow*>(widget); window && window->isVisible()) return window;
  return nullptr;
}

bool SavedNewGame(const std::string& path, std::uint32_t universe) {
  Session saved;
  saved.State.Difficulty = Difficulty::Normal;
  saved.Random.Seed(universe);
  StartNewGame(saved);
  return !WriteGameDocument(path, EncodeGameFile(saved));
}

}  // namespace

// The whole program, run in this process from its first step to the settings it leaves, and run as a player runs it;
// each test with folders of its own. What answers without a window needs no display and stores nothing.
class StartupTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  QDir own_;  // the running test's runtime folder, its configuration and data in it
  std::string ini_;
  Services services_;
  QTimer answering_;
  int questions_ = 0;

  static bool MainWindowUp() {
    return RunningMainWindow() && RunningMainWindow()->isActiveWindow() && QThread::currentThread()->loopLevel() > 0 &&
           !QApplication::activeModalWidget();
  }
  static void PressCtrlQ() { QTest::keyClick(&RunningMainWindow()->board(), Qt::Key_Q, Qt::ControlModifier); }
  std::string Setting(const char* section, const char* key) const {
    return platform::Profile(ini_).String(section, key, "<missing>");
  }
  // Each run has its own place for the single-copy check, its own folders and fresh settings. Each question the game
  // asks gets the next of `answers`, or No once they are used up; a box without that button is closed.
  void FreshRun(const std::string& settings, const QList<QMessageBox::StandardButton>& answers = {}) {
    own_ = QDir(folder_.filePath(QTest::currentTestFunction()));
    own_.mkpath(".");
    QFile::setPermissions(own_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", own_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", folder_.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", own_.filePath("data").toUtf8());
    ini_ = IniPathFor(platform::ExecutablePath());
    StoreFile(ini_, settings);
    questions_ = 0;
    answering_.disconnect();
    connect(&answering_, &QTimer::timeout, [this, answers] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isActiveWindow()) return;
      QAbstractButton* button = box->button(answers.value(questions_, QMessageBox::No));
      if (!button) return box->reject();
      ++questions_;
      button->click();
    });
    answering_.start(5);
  }

  // Starts the program in `folder` with this test's folders, and no display but the one named. Only the program's
  // configuration folder lies in the runtime folder: pointed there, this process's font library leaks at exit.
  void Start(QProcess& game, const QString& platform, const QStringList& arguments, const QString& folder = {}) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    if (!platform.isEmpty()) environment.insert("QT_QPA_PLATFORM", platform);
    if (platform == u"xcb") environment.insert("DISPLAY", NoDisplay());
    environment.insert("XDG_CONFIG_HOME", own_.filePath("config"));
    environment.insert("KESTRAVANE_TRACE", "1");
    game.setProcessEnvironment(environment);
    game.setWorkingDirectory(folder);
    game.start(KESTRAVANE_PROGRAM, arguments);
  }

  // A display in this test's own empty folder, where no X server can be.
  QString NoDisplay() const { return own_.filePath("no-server") + ":0"; }

  static bool Traced(QProcess& game, QByteArray& trace, const QByteArray& event) {
    const auto tracedOrEnded = [&] {
      trace += game.readAllStandardError();
      return trace.contains(event + ' ') || game.state() == QProcess::NotRunning;
    };
    return QTest::qWaitFor(tracedOrEnded, 15000) && trace.contains(event + ' ');
  }

 private slots:
  // The splash for a second, then the empty board of the saved level at the
  // saved height, pulled whole onto the screen; Ctrl+Q writes the settings.
  void startsWithTheSplashThenAnEmptyBoardAndWritesTheSettingsOnCtrlQ() {
    FreshRun("[Kestravane]\nLeft=5000\nTop=40\n[Options]\nDifficulty=3\n");
    const std::string document = folder_.filePath("my games/not there.war").toStdString();
    const QDeadlineTimer splash(1000);
    bool splashTimeOver = false;
    QRect frame;
    WhenReady(MainWindowUp, [&] {
      splashTimeOver = splash.hasExpired();
      MainWindow& window = *RunningMainWindow();
      frame = window.frameGeometry();
      const platform::Rect desktop = platform::DesktopRect();
      QVERIFY(frame.left() >= desktop.left && frame.right() < desktop.right && frame.right() >= desktop.right - 100);
      QCOMPARE(window.windowTitle(), QString("Kestravane"));
      QCOMPARE(window.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128},
                                                                    {256, 256}}));
      for (const QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible() || widget == &window, "the splash is gone");
      for (const QPushButton* button : window.board().findChildren<QPushButton*>()) QVERIFY(!button->isEnabled());
      QCOMPARE(window.session().State.Missiles.Maximum, 360);
      PressCtrlQ();
    });
    QCOMPARE(RunKestravane(document, services_), 0);
    QVERIFY2(splashTimeOver, "the main window came up before the splash's second was over");
    for (const auto& [section, key, value] :
         {std::tuple{"Kestravane", "FileSpec", document}, {"Kestravane", "Left", std::to_string(frame.left())},
          {"Kestravane", "Top", "40"}, {"Options", "Difficulty", "3"}, {"Helm", "Left", "35"}})
      QCOMPARE(Setting(section, key), value);
  }

  // The game named on the command line is open from the first paint, and
  // the save question guards the way out: Cancel stays, No leaves.
  void aGameNamedOnTheCommandLineIsOpenAndTheQuestionGuardsTheWayOut() {
    FreshRun("", {QMessageBox::Cancel, QMessageBox::No});
    const std::string path = folder_.filePath("saved.war").toStdString();
    QVERIFY(SavedNewGame(path, 1));
    WhenReady(MainWindowUp, [&] {
      QVERIFY(RunningMainWindow()->session().InProgress);
      PressCtrlQ();
      WhenReady([this] { return MainWindowUp() && questions_ == 1; }, PressCtrlQ);
    });
    QCOMPARE(RunKestravane(path, services_), 0);
    QCOMPARE(std::pair(questions_, Setting("Kestravane", "FileSpec")), std::pair(2, path));
  }

  // Two games handed over while the splash still stands open in turn once the window is up, the second after the usual
  // question about the first. The second's path has two lines: it opens, but is not remembered. The last game played
  // stays closed: no game was named at the start.
  void gamesHandedOverDuringTheSplashOpenInTurn() {
    const std::string first = folder_.filePath("first.war").toStdString();
    const std::string second = folder_.filePath("second\nline.war").toStdString();
    const std::string last = folder_.filePath("last.war").toStdString();
    FreshRun("[Kestravane]\nFileSpec=" + last + "\n");
    QVERIFY(SavedNewGame(first, 1) && SavedNewGame(second, 2) && SavedNewGame(last, 3));
    WhenReady([] { return QThread::currentThread()->loopLevel() > 0; }, [&] {
      QVERIFY(!RunningMainWindow());
      for (const std::string& path : {first, second})
        QCOMPARE(platform::ClaimSingleInstance("kestravane", path, nullptr), platform::InstanceClaim::AnotherRunning);
    });
    WhenReady([] { return MainWindowUp() && RunningMainWindow()->session().History.Universe == 2u; }, PressCtrlQ);
    QCOMPARE(RunKestravane("", services_), 0);
    QCOMPARE(std::pair(questions_, Setting("Kestravane", "FileSpec")), std::pair(2, last));
  }

  // A message and 1 for a window system that cannot start, not a crash with a core dump.
  void answersAndEndsWithItsCode() {
    FreshRun("");
    // Each run's exit code, the start of its standard output, and something its standard error says.
    const std::tuple<QStringList, QString, int, QString, QString> runs[] = {
        {{"--help"}, "", 0, "Usage: kestravane [OPTION] [GAME.war]\n", ""},
        {{"-V"}, "", 0, "Kestravane " KESTRAVANE_VERSION "\n", ""},
        {{"--bogus"}, "", 2, "", "'--bogus'"},
        {{"-display", NoDisplay()}, "", 2, "", "Try 'kestravane --help'."},  // Qt's own option
        {{}, "nosuch", 1, "", "kestravane: cannot start the window system"},
        {{"-"}, "xcb", 1, "", "cannot start the window system"},
    };
    for (const auto& [arguments, platform, code, out, err] : runs) {
      QProcess game;
      Start(game, platform, arguments);
      QVERIFY(game.waitForFinished(20000));
      QVERIFY2(game.exitStatus() == QProcess::NormalExit && game.exitCode() == code, qPrintable(arguments.join(' ')));
      const QString shown = game.readAllStandardOutput();
      QVERIFY2(out.isEmpty() ? shown.isEmpty() : shown.startsWith(out), qPrintable(shown));
      QVERIFY2(game.readAllStandardError().contains(err.toUtf8()), qPrintable(err));
      QVERIFY2(!own_.exists("config"), "the configuration folder was written");
    }
  }

  // The second start hands its game over to the first, which comes forward and opens it, and ends at once. A relative
  // path names the game in the second start's folder.
  void aSecondStartHandsItsGameToTheFirstAndEndsWithZero() {
    FreshRun("");
    QVERIFY(SavedNewGame(own_.filePath("some game.war").toStdString(), 1));
    QProcess first;
    Start(first, "offscreen", {}, folder_.path());
    QByteArray trace;
    QVERIFY2(Traced(first, trace, "main-window-shown"), trace.constData());
    QProcess second;
    Start(second, "offscreen", {"some game.war"}, own_.path());
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(!second.readAllStandardError().contains("splash-shown"));
    QVERIFY2(Traced(first, trace, "come-forward") && Traced(first, trace, "document-opened"), trace.constData());
    first.kill();
    first.waitForFinished();
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
