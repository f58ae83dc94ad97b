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

// The whole program run in this process, from the first step of its start
// to the settings it leaves, with its files in a temporary folder.
class StartupTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
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
  // Each run has its own place for the single-copy check and fresh settings.
  // Each question the game asks gets the next of `answers`, or No once they
  // are used up; a box without that button is closed.
  void FreshRun(const std::string& settings, const QList<QMessageBox::StandardButton>& answers = {}) {
    const QString runtime = folder_.filePath(QTest::currentTestFunction());
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    qputenv("XDG_CONFIG_HOME", folder_.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", folder_.filePath("data").toUtf8());
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
    QCOMPARE(questions_, 2);
    QCOMPARE(Setting("Kestravane", "FileSpec"), path);
  }

  // Two games handed over while the splash still stands open in turn once
  // the window is up, the second after the usual question about the first.
  // The second's path has two lines: it opens, but is not remembered. The
  // last game played stays closed: no game was named at the start.
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
    QCOMPARE(questions_, 2);
    QCOMPARE(Setting("Kestravane", "FileSpec"), last);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
