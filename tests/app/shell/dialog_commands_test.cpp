#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "common/file_dialog_driver.h"
#include "common/main_window_player.h"
#include "common/test_main_window.h"
#include "engine/gauge_fill.h"
#include "engine/sector.h"
#include "common/dialog_driver.h"
#include "display/main_layout.h"

using namespace kestravane;

// The dialogs reached from the main window as the player reaches them, and
// what the game does with their answers.
namespace {

// Answers the game's box with this caption when it comes up, keeping its
// text; gives up quietly after `timeoutMs` when none does.
QTimer* AnswerBox(const QString& caption, QString* text, int timeoutMs = 10000) {
  const auto box = [caption] {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isActiveWindow() && modal->windowTitle() == caption ? modal : nullptr;
  };
  return WhenReady([box] { return box() != nullptr; },
                   [box, text] {
                     if (text) *text = BoxText(box());
                     QTest::keyClick(KeyboardTarget(box()), Qt::Key_Return);
                   },
                   timeoutMs);
}

// The dialog that is up, once it is: its caption and the status line then.
struct Opened {
  QString caption;
  QString status;
};

}  // namespace

class DialogCommandsTest : public QObject, public MainWindowPlayer {
  Q_OBJECT

 private:
  QString IniPath() const { return QString::fromStdString(game_->library.IniPath); }

  // Looks at the next dialog, then ends it with `end`.
  void Expect(Opened* opened, const DialogStep& end) {
    LookThenEnd(
        [this, opened](QWidget* dialog) {
          opened->caption = dialog->windowTitle();
          opened->status = StatusLine();
        },
        end);
  }

  void NewGame() {
    if (Game().InProgress) AnswerSaveQuestion(QMessageBox::No);
    Game().Random.Seed(1207);
    Press(Qt::Key_N, Qt::ControlModifier);
    QVERIFY(Game().InProgress);
  }

  // Options > `level` > OK, and OK in the box that says when it applies.
  void ChooseLevel(const char* level) {
    LookThenEnd([level](QWidget* dialog) { QTest::mouseClick(ButtonOf(dialog, level), Qt::LeftButton); },
                Clicking("OK"));
    AnswerBox("Kestravane", nullptr);
    Item("Op&tions...")->trigger();
  }

  bool KeyboardOnMainWindow() const { return QApplication::focusWidget() == Client(); }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    game_ = std::make_unique<TestMainWindow>(folder_);
  }

  void init() {
    Main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main()));
    NewGame();
  }

  void cleanupTestCase() { game_.reset(); }

  // The ways to each dialog, each cancelled: nothing spent, nothing moved,
  // the status lines of opening and cancelling, and the keys back with the
  // game.
  void eachDialogOpensFromItsMenuItemShortcutKeyAndButton() {
    struct Way {
      const char* name;
      std::function<void()> open;
      const char* caption;
      const char* whileOpen;
      const char* afterwards;
    };
    QPushButton* aimButton = ButtonAt(*Client(), layout::AimButton);
    const std::vector<Way> ways = {
        {"Helm item", [this] { Item("&Helm...\tCtrl+H")->trigger(); }, "Helm", "Helm coordinates ...",
         "Helm orders canceled ..."},
        {"Backspace", [this] { Press(Qt::Key_Backspace); }, "Helm", "Helm coordinates ...",
         "Helm orders canceled ..."},
        {"key H", [this] { Press(Qt::Key_H); }, "Helm", "Helm coordinates ...", "Helm orders canceled ..."},
        {"Aim item", [this] { Item("&Aim...\tCtrl+A")->trigger(); }, "Aim", "Target coordinates ...",
         "Targeting orders canceled ..."},
        {"Ctrl+A", [this] { Press(Qt::Key_A, Qt::ControlModifier); }, "Aim", "Target coordinates ...",
         "Targeting orders canceled ..."},
        {"key A", [this] { Press(Qt::Key_A); }, "Aim", "Target coordinates ...", "Targeting orders canceled ..."},
        {"Aim button", [aimButton] { QTest::mouseClick(aimButton, Qt::LeftButton); }, "Aim",
         "Target coordinates ...", "Targeting orders canceled ..."},
        {"Scanner Log item", [this] { Item("Scanner &Log\tCtrl+L")->trigger(); }, "Scanner Log",
         "Scanner log opened ...", "Scanner log closed ..."},
        {"Ctrl+L", [this] { Press(Qt::Key_L, Qt::ControlModifier); }, "Scanner Log", "Scanner log opened ...",
         "Scanner log closed ..."},
        {"key L", [this] { Press(Qt::Key_L); }, "Scanner Log", "Scanner log opened ...", "Scanner log closed ..."},
    };
    const GameState before = State();
    for (const Way& way : ways) {
      Opened opened;
      Expect(&opened, Pressing(Qt::Key_Escape));
      way.open();
      QCOMPARE(opened.caption, QString(way.caption));
      QVERIFY2(opened.status == way.whileOpen, way.name);
      QVERIFY2(StatusLine() == way.afterwards, way.name);
      QTRY_VERIFY2(KeyboardOnMainWindow(), way.name);
    }
    QCOMPARE(State().Fuel.Value, before.Fuel.Value);
    QCOMPARE(State().Missiles.Value, before.Missiles.Value);
    QCOMPARE(ShipQuadrant(State()), ShipQuadrant(before));
    QCOMPARE(State().Axis, before.Axis);

    Opened options;
    Expect(&options, Clicking("Cancel"));
    Item("Op&tions...")->trigger();
    QCOMPARE(options.caption, QString("Kestravane Options"));
  }

  void theDialogsWaitForAGameInPlay() {
    for (const Qt::Key key : {Qt::Key_H, Qt::Key_A, Qt::Key_L, Qt::Key_Backspace}) {
      Item("&Game Rules")->trigger();
      for (const char* item : {"&Helm...\tCtrl+H", "&Aim...\tCtrl+A", "Scanner &Log\tCtrl+L"})
        QVERIFY2(!Item(item)->isEnabled(), item);
      Press(key);  // resumes the game, nothing more
      QCOMPARE(StatusLine(), QString("Resuming ..."));
    }
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void helmEngagedGoesStraightThereForOneFuelUnit() {
    const int fuel = State().Fuel.Value;
    LookThenEnd(
        [](QWidget* dialog) {
          QTest::keyClicks(KeyboardTarget(dialog), "3");
          QTest::keyClick(KeyboardTarget(dialog), Qt::Key_Tab);
          QTest::keyClicks(KeyboardTarget(dialog), "4");
          QTest::keyClick(KeyboardTarget(dialog), Qt::Key_Tab);
          QTest::keyClicks(KeyboardTarget(dialog), "5");
          QTest::keyClick(KeyboardTarget(dialog), Qt::Key_X, Qt::AltModifier);
          QTRY_VERIFY(ButtonOf(dialog, "&X:")->isChecked());
        },
        Pressing(Qt::Key_Return));
    Press(Qt::Key_H);
    QCOMPARE(ShipQuadrant(State()), (Quadrant{3, 4, 5}));
    QCOMPARE(State().Axis, ScanAxis::X);
    QCOMPARE(State().Fuel.Value, fuel - 1);
    QTRY_VERIFY(KeyboardOnMainWindow());
    QVERIFY(Item("&X Axis Scan\tCtrl+X")->isChecked());
    // The new sector's report comes last, after the helm's line.
    const QString report = StatusLine();
    QVERIFY2(report.startsWith("Scanners detect") || report == "Sector has no enemy ships ..." ||
                 report == "Sector cleared ...",
             qPrintable(report));
  }

  void aimFiredLaunchesAtTheTypedTarget() {
    game_->PlaceShip(2, 0, 0, ScanAxis::Y);
    const int missiles = State().Missiles.Value;
    const int target = 6 * 81 + 0 * 9 + 1;  // Z 6, Y 0, X 1
    QCOMPARE(Game().Grid.Struck[target], 0);
    LookThenEnd(
        [](QWidget* dialog) {
          QTest::keyClicks(KeyboardTarget(dialog), "6");
          QTest::keyClick(KeyboardTarget(dialog), Qt::Key_Tab);
          QTest::keyClicks(KeyboardTarget(dialog), "1");
        },
        Clicking("&Fire"));
    Item("&Aim...\tCtrl+A")->trigger();
    WaitForLanding();
    QCOMPARE(ShipQuadrant(State()), (Quadrant{6, 0, 1}));
    QCOMPARE(State().Missiles.Value, missiles - 1);
    QCOMPARE(Game().Grid.Struck[target], 1);
    QTRY_VERIFY(KeyboardOnMainWindow());
  }

  void scannerLogShowsTheGamesLogAndLeavesTheScanAxisAlone() {
    QStringList lines;
    LookThenEnd(
        [&](QWidget* dialog) {
          QTest::mouseClick(ButtonOf(dialog, "&X Axis"), Qt::LeftButton);
          auto* list = dialog->findChild<QListWidget*>();
          for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        },
        Pressing(Qt::Key_Return));
    Press(Qt::Key_L);
    QCOMPARE(State().Axis, ScanAxis::Z);
    QVERIFY(Item("&Z Axis Scan\tCtrl+Z")->isChecked());
    // Only Z 0 has been on the scanner: along X everything is unexplored.
    QCOMPARE(lines.size(), 18);
  }

  void optionsCancelWritesNothingAndOkWritesAtOnce() {
    QFile::remove(IniPath());
    const QString before = StatusLine();
    LookThenEnd(Clicking("&Easy"), Clicking("Cancel"));
    Item("Op&tions...")->trigger();
    QVERIFY(!QFile::exists(IniPath()));
    QCOMPARE(StatusLine(), before);
    QCOMPARE(game_->settings.Difficulty, Difficulty::Normal);

    // The same level again: no box, but the file is written.
    game_->settings.Sounds = false;
    LookThenEnd(Clicking("&Play Sound F/X Wave Files"), Pressing(Qt::Key_Return));
    Item("Op&tions...")->trigger();
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(QFile::exists(IniPath()));
    QCOMPARE(StatusLine(), QString("Options saved"));
    QVERIFY(game_->settings.Sounds);
    QVERIFY(Item("&Play Sounds")->isChecked());
    const QSettings written(IniPath(), QSettings::IniFormat);
    QCOMPARE(written.value("Options/Sounds").toInt(), 1);
    QCOMPARE(written.value("Options/Difficulty").toInt(), 2);

    // And the menu's flag is the dialog's.
    Item("&Play Sounds")->trigger();
    bool shown = true;
    LookThenEnd([&](QWidget* dialog) { shown = ButtonOf(dialog, "&Play Sound F/X Wave Files")->isChecked(); },
                Pressing(Qt::Key_Escape));
    Item("Op&tions...")->trigger();
    QVERIFY(!shown);
  }

  void aNewLevelWaitsForTheNextGame() {
    const Gauge missiles = State().Missiles;
    const Gauge fuel = State().Fuel;
    QString box;
    LookThenEnd(Clicking("&Easy"), Clicking("OK"));
    AnswerBox("Kestravane", &box);
    Item("Op&tions...")->trigger();
    QVERIFY2(box.contains("will be used for the next new game."), qPrintable(box));
    QCOMPARE(State().Difficulty, Difficulty::Easy);
    QCOMPARE(State().Missiles.Value, missiles.Value);
    QCOMPARE(State().Missiles.Maximum, missiles.Maximum);
    QCOMPARE(State().Fuel.Maximum, fuel.Maximum);
    NewGame();
    QCOMPARE(State().Missiles.Value, 360);
    QCOMPARE(State().Fuel.Value, 150);
    ChooseLevel("&Normal");
  }

  // Where each dialog was left reaches the settings file with the next
  // settings save.
  void theDialogsPlacesReachTheSettingsFile() {
    const std::vector<std::pair<Qt::Key, QString>> dialogs = {
        {Qt::Key_H, "Helm"}, {Qt::Key_A, "Aim"}, {Qt::Key_L, "Scanner"}};
    int x = 100;
    for (const auto& [key, section] : dialogs) {
      LookThenEnd([x](QWidget* dialog) { dialog->move(x, 150); }, Pressing(Qt::Key_Escape));
      Press(key);
      x += 50;
    }
    LookThenEnd([](QWidget*) {}, Clicking("OK"));
    Item("Op&tions...")->trigger();
    const QSettings written(IniPath(), QSettings::IniFormat);
    x = 100;
    for (const auto& [key, section] : dialogs) {
      QCOMPARE(written.value(section + "/Left").toInt(), x);
      QCOMPARE(written.value(section + "/Top").toInt(), 150);
      x += 50;
    }
  }

  // A game saved after the level was lowered opens again with everything it
  // had, its gauges inside their frames.
  void aGameSavedAfterTheLevelWasLoweredOpensAgain() {
    ChooseLevel("&Easy");
    NewGame();
    Press(Qt::Key_Space);
    Press(Qt::Key_E);
    const GameState played = State();
    QCOMPARE(played.Missiles.Value, 359);
    QCOMPARE(played.Fuel.Value, 149);

    ChooseLevel("&Hard");
    QCOMPARE(State().Difficulty, Difficulty::Hard);
    const QString path = folder_.filePath("lowered.kvn");
    WhenModal<QFileDialog>([path](QFileDialog* dialog) { TypeAndEnter(dialog, path); });
    Press(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!Game().InProgress);
    // The keyboard is back for Ctrl+O, window manager or not.
    QVERIFY(QTest::qWaitFor([this] { return Main()->isActiveWindow(); }, 2000));

    // A refusal would come as a warning: it is answered, and said.
    QString refusal;
    QPointer<QTimer> watch;
    WhenModal<QFileDialog>([path, &refusal, &watch](QFileDialog* dialog) {
      watch = AnswerBox("Kestravane", &refusal);
      TypeAndEnter(dialog, path);
    });
    Press(Qt::Key_O, Qt::ControlModifier);
    delete watch.data();
    QVERIFY2(Game().InProgress, qPrintable(refusal));
    QCOMPARE(State().Difficulty, Difficulty::Hard);
    QCOMPARE(State().Missiles.Value, played.Missiles.Value);
    QCOMPARE(State().Fuel.Value, played.Fuel.Value);
    QCOMPARE(ShipQuadrant(State()), ShipQuadrant(played));
    for (const Gauge& gauge : {State().Missiles, State().Fuel}) {
      QVERIFY(gauge.Value <= gauge.Maximum);
      QVERIFY(GaugeFill(gauge, 61) <= 61);
    }
    ChooseLevel("&Normal");
  }
};

QTEST_MAIN(DialogCommandsTest)
#include "dialog_commands_test.moc"
