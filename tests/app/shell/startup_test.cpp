#include <QAbstractButton>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <filesystem>
#include <string>

#include "app/application.h"
#include "document/game_file_io.h"
#include "app/main_window.h"
#include "common/main_window_driver.h"
#include "common/modal_driver.h"
#include "common/qt_waits.h"
#include "common/test_main_window.h"
#include "engine/generation.h"
#include "engine/sector.h"
#include "platform/profile.h"
#include "display/main_layout.h"
#include "platform/screen.h"
#include "platform/system.h"
#include "support/library.h"

using namespace kestravane;

// The whole program, from the first step of its start-up to the settings it
// leaves behind, run in this process with its files in a temporary folder.
class StartupTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  std::string ini_;

  static MainWindow* Main() { return RunningMainWindow(); }
  // The running program's main window and the game it shows.
  static MainWindow& RunningGame() { return *Main(); }
  // The program's event loop runs and no box or question is up.
  static bool MainWindowUp() {
    return Main() && QThread::currentThread()->loopLevel() > 0 && !QApplication::activeModalWidget();
  }
  // Windows on screen besides the main window, such as a splash left behind.
  static int OtherWindowsShown() {
    int shown = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets())
      if (widget->isVisible() && widget != Main()) ++shown;
    return shown;
  }
  static void PressCtrlQ() {
    QTest::keyClick(&Main()->board(), Qt::Key_Q, Qt::ControlModifier);
  }

  // Each run gets its own place for the single-copy check, so runs never
  // mistake one another for a copy already running.
  void FreshRun() {
    const QString runtime = folder_.filePath(QString("runtime-%1").arg(QTest::currentTestFunction()));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    std::filesystem::remove(ini_);
  }

  std::string Setting(const char* section, const char* key) const {
    return platform::Profile(ini_).String(section, key, "<missing>");
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    qputenv("XDG_CONFIG_HOME", folder_.filePath("config").toUtf8());
    ini_ = IniPathFor(platform::ExecutablePath());
  }

  void startsWithTheSplashThenAnEmptyBoardAndWritesTheSettingsOnCtrlQ() {
    FreshRun();
    const platform::Rect desktop = platform::DesktopRect();
    platform::Profile profile(ini_);
    profile.Set("Kestravane", "Left", "5000");
    profile.Set("Kestravane", "Top", "40");
    profile.Set("Options", "Difficulty", "3");
    profile.Save();
    const std::string document = folder_.filePath("my games/not there.war").toStdString();

    // The texts and the menus of the empty board are the main window test's.
    QElapsedTimer started;
    started.start();
    qint64 shownAfter = 0;
    QRect frame;
    WhenReady(MainWindowUp, [&] {
      shownAfter = started.elapsed();
      QCOMPARE(OtherWindowsShown(), 0);
      // Saved beyond the right edge, it comes back whole at the same height.
      frame = Main()->frameGeometry();
      QVERIFY(QRect(desktop.left, desktop.top, desktop.right - desktop.left, desktop.bottom - desktop.top)
                  .contains(frame));
      QVERIFY(frame.right() >= desktop.right - 100);
      QCOMPARE(frame.top(), 40);
      QCOMPARE(Main()->board().size(), QSize(470, 350));
      QCOMPARE(Main()->windowTitle(), QString("Kestravane"));
      for (const platform::Rect& place : {layout::AimButton, layout::FireButton, layout::ReverseButton,
                                          layout::EngageButton})
        QVERIFY(!ButtonAt(Main()->board(), place)->isEnabled());
      for (const QLabel* label : Main()->board().findChildren<QLabel*>())
        QVERIFY2(label->isEnabled() != label->text().startsWith(' '), qPrintable(label->text()));
      QCOMPARE(RunningGame().session().State.Missiles.Maximum, 360);
      QCOMPARE(RunningGame().session().State.Fuel.Maximum, 150);
      QVERIFY(!RunningGame().session().InProgress);
      PressCtrlQ();
    });

    QCOMPARE(RunKestravane("\"" + document + "\""), 0);
    QVERIFY(frame.isValid());
    QVERIFY2(shownAfter >= 1000, qPrintable(QString::number(shownAfter)));

    QCOMPARE(Setting("Kestravane", "FileSpec"), document);
    QCOMPARE(Setting("Kestravane", "Left"), std::to_string(frame.left()));
    QCOMPARE(Setting("Kestravane", "Top"), std::string("40"));
    QCOMPARE(Setting("Kestravane", "Width"), std::to_string(frame.width()));
    QCOMPARE(Setting("Kestravane", "Height"), std::to_string(frame.height()));
    QCOMPARE(Setting("Options", "Difficulty"), std::string("3"));
    for (const char* key : {"Show", "TopMost"}) QVERIFY2(Setting("Kestravane", key) != "<missing>", key);
    QCOMPARE(Setting("Options", "Sounds"), std::string("0"));
    for (const char* section : {"Aim", "Helm", "Scanner"})
      QVERIFY2(Setting(section, "Left") != "<missing>", section);
  }

  void aGameNamedOnTheCommandLineIsOpenAndTheSaveQuestionGuardsTheWayOut() {
    FreshRun();
    const std::string path = folder_.filePath("saved.war").toStdString();
    QString sectorLabel;
    {
      Session saved;
      saved.State.Difficulty = Difficulty::Normal;
      GenerateGame(saved);
      QVERIFY(!WriteGameDocument(path, EncodeGameFile(saved)));
      const char* labels[] = {" Z: %1 ", " Y: %1 ", " X: %1 "};
      sectorLabel = QString::fromLatin1(labels[static_cast<int>(EffectiveAxis(saved.State))]).arg(SectorCoordinate(saved.State));
    }

    int questions = 0;
    WhenReady(MainWindowUp, [&] {
      QVERIFY(RunningGame().session().InProgress);
      QVERIFY(RunningGame().document().Named);
      QVERIFY(MenuItem(*Main(), "&Close")->isEnabled());
      QVERIFY(MenuItem(*Main(), "&Fire\tCtrl+F")->isEnabled());
      QVERIFY(ButtonAt(Main()->board(), layout::FireButton)->isEnabled());
      // The first paint already shows the game's sector, not the title page.
      QTRY_COMPARE(LabelAt(Main()->board(), layout::ScanLabel), sectorLabel);
      // Cancel keeps the program running with the game open; No ends it.
      AnswerNextModal([&](QWidget* box) {
        ++questions;
        auto* question = qobject_cast<QMessageBox*>(box);
        QVERIFY(question);
        QCOMPARE(question->text(), QString("Save the current game to disk?"));
        question->button(QMessageBox::Cancel)->click();
        WhenReady(MainWindowUp, [&] {
          QVERIFY(RunningGame().session().InProgress);
          AnswerNextModal([&](QWidget* again) {
            ++questions;
            qobject_cast<QMessageBox*>(again)->button(QMessageBox::No)->click();
          });
          PressCtrlQ();
        });
      });
      PressCtrlQ();
    });

    QCOMPARE(RunKestravane(path), 0);
    QCOMPARE(questions, 2);
    QCOMPARE(Setting("Kestravane", "FileSpec"), path);
  }

  // A folder is no game: its box comes before the main window, the game
  // starts all the same, and the last game stays the one proposed.
  void aFolderOnTheCommandLineIsRefusedWithItsBoxAndNotRemembered() {
    FreshRun();
    const std::string lastGame = folder_.filePath("last campaign.war").toStdString();
    platform::Profile profile(ini_);
    profile.Set("Kestravane", "FileSpec", lastGame);
    QVERIFY(profile.Save());
    const std::string folder = folder_.filePath("my games").toStdString();
    QVERIFY(QDir().mkpath(QString::fromStdString(folder)));

    QString boxText;
    AnswerNextModal([&](QWidget* box) {
      boxText = BoxText(box);
      QVERIFY(!Main());
      QTest::keyClick(box, Qt::Key_Return);
    });
    bool started = false;
    WhenReady(MainWindowUp, [&] {
      started = true;
      QVERIFY(!RunningGame().session().InProgress);
      PressCtrlQ();
    });

    QCOMPARE(RunKestravane(folder), 0);
    QVERIFY2(boxText.startsWith(QString::fromStdString("File: " + folder)), qPrintable(boxText));
    QVERIFY2(boxText.contains("opening this disk file"), qPrintable(boxText));
    QVERIFY2(boxText.contains(QString("Code %1").arg(EISDIR)), qPrintable(boxText));
    QVERIFY(started);
    QCOMPARE(Setting("Kestravane", "FileSpec"), lastGame);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
