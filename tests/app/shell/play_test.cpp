#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QTemporaryDir>
#include <QMenu>
#include <QtTest>
#include <memory>

#include "common/main_window_player.h"
#include "common/resource_pictures.h"
#include "common/surface_pixels.h"
#include "common/test_main_window.h"
#include "display/gauge_bar.h"
#include "display/main_layout.h"
#include "engine/gauge_fill.h"
#include "display/surface.h"

using namespace kestravane;

// Playing on the real main window with the keyboard, the mouse, the menus
// and the ship buttons.
class PlayTest : public QObject, public MainWindowPlayer {
  Q_OBJECT

 private:
  QPushButton* Button(const platform::Rect& place) const { return ButtonAt(*Client(), place); }

  // The middle of cell (column, row) of the scanner view.
  static QPoint CellCentre(int column, int row) { return QPoint(168 + 32 * column + 16, 23 + 32 * row + 16); }

  // Where cell (row, column) does not show icon `id`, leaving out the
  // crosshair's two bands through its centre.
  QString WrongCellAroundCrosshair(int row, int column, unsigned id) const {
    const platform::Picture icon = IconPicture(id);
    if (icon.IsNull()) return "no icon";
    const int left = 168 + 32 * column;
    const int top = 23 + 32 * row;
    const Surface& surface = Client()->Canvas();
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        if (std::abs(x - 16) <= 2 || std::abs(y - 16) <= 2) continue;
        if (PixelAt(surface, left + x, top + y) != PictureColor(icon, x, y))
          return QString("(%1, %2)").arg(left + x).arg(top + y);
      }
    }
    return {};
  }

  void NewGame() {
    Game().Random.Seed(1207);
    Press(Qt::Key_N, Qt::ControlModifier);
    QVERIFY(Game().InProgress);
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    game_ = std::make_unique<TestMainWindow>(folder_);
    Main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main()));
  }

  void init() {
    Main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main()));
    game_->settings.Sounds = false;
    NewGame();
  }

  // Leaves no game open for the next case's New to ask about.
  void cleanup() {
    Game().InProgress = false;
    Game().Picture = ScannerPicture::None;
    Game().Diagnostics = false;
  }

  void cleanupTestCase() { game_.reset(); }

  void withNoGameOpenKeysAndClicksDoNothing() {
    AnswerSaveQuestion(QMessageBox::No);
    Item("&Close")->trigger();
    QVERIFY(!Game().InProgress);
    const QString before = StatusLine();
    Press(Qt::Key_F);
    Press(Qt::Key_W);
    QTest::mouseClick(Client(), Qt::LeftButton, {}, CellCentre(3, 3));
    QTest::mouseClick(Client(), Qt::RightButton, {}, CellCentre(3, 3));
    QCOMPARE(StatusLine(), before);
    QCOMPARE(State().Missiles.Value, 0);
    QVERIFY(!Item("&Fire\tCtrl+F")->isEnabled());
  }

  void theKeysWithDiagnosticsOff() {
    const int missiles = State().Missiles.Value;
    const int fuel = State().Fuel.Value;
    for (const Qt::Key key : {Qt::Key_W, Qt::Key_S, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                              Qt::Key_Q, Qt::Key_Control, Qt::Key_F5}) {
      Press(key);
      QCOMPARE(StatusLine(), QString("Commander ..."));
    }
    QCOMPARE(State().Missiles.Value, missiles);
    QCOMPARE(State().Fuel.Value, fuel);

    State().Axis = ScanAxis::Y;
    const int y = State().Y;
    Press(Qt::Key_E);
    QCOMPARE(State().Y, (y + 1) % 9);
    QCOMPARE(State().Fuel.Value, fuel - 1);
    QCOMPARE(Label(layout::FuelCount), QString::number(fuel - 1));
    Press(Qt::Key_R);
    QCOMPARE(State().Y, y);
    QCOMPARE(State().Fuel.Value, fuel - 2);

    Press(Qt::Key_Space);
    QCOMPARE(State().Missiles.Value, missiles - 1);
    QCOMPARE(Label(layout::MissileCount), QString::number(missiles - 1));
    Press(Qt::Key_F);
    QCOMPARE(State().Missiles.Value, missiles - 2);

    const struct {
      Qt::Key key;
      ScanAxis axis;
      const char* item;
    } axes[] = {{Qt::Key_X, ScanAxis::X, "&X Axis Scan\tCtrl+X"},
                {Qt::Key_Y, ScanAxis::Y, "&Y Axis Scan\tCtrl+Y"},
                {Qt::Key_Z, ScanAxis::Z, "&Z Axis Scan\tCtrl+Z"}};
    for (const auto& axis : axes) {
      Press(axis.key);
      QCOMPARE(State().Axis, axis.axis);
      QVERIFY2(Item(axis.item)->isChecked(), axis.item);
    }
  }

  void theKeysWithDiagnosticsOn() {
    Press(Qt::Key_D);
    QCOMPARE(StatusLine(), QString("Diagnostics turned ON ..."));
    Press(Qt::Key_Up);
    QVERIFY2(StatusLine() == QString("Commander ..."), "no system selected yet");

    Press(Qt::Key_W);
    QCOMPARE(StatusLine(), QString("Weapons selected ..."));
    Press(Qt::Key_Right);
    QCOMPARE(StatusLine(), QString("Missile value set to maximum ..."));
    const int missiles = State().Missiles.Value;
    Press(Qt::Key_Down);
    QCOMPARE(StatusLine(), QString("Decreasing Missile value ..."));
    QCOMPARE(State().Missiles.Value, missiles - 1);
    Press(Qt::Key_Up);
    QCOMPARE(StatusLine(), QString("Increasing Missile value ..."));
    QCOMPARE(State().Missiles.Value, missiles);

    const int z = State().Z;
    const int fuel = State().Fuel.Value;
    Press(Qt::Key_E);
    QCOMPARE(StatusLine(), QString("Engines selected ..."));
    QVERIFY2(State().Z == z, "E selects, it does not move");
    Press(Qt::Key_Left);
    QCOMPARE(StatusLine(), QString("Decreasing Fuel value ..."));
    QCOMPARE(State().Fuel.Value, fuel - 1);

    Press(Qt::Key_S);
    QCOMPARE(StatusLine(), QString("Scanner tracing turned ON ..."));
    QVERIFY(Game().ScannerTracing);
    Press(Qt::Key_R);
    QVERIFY2(State().Fuel.Value == fuel - 2, "R moves in both modes");
    Press(Qt::Key_D);
    QCOMPARE(StatusLine(), QString("Diagnostics turned OFF ..."));
    QVERIFY(!Game().ScannerTracing);
    QCOMPARE(Game().SelectedSystem, DiagnosticsSystem::None);
  }

  // A move or a shot shows its cost on the gauge before anything else is
  // painted: the bar is drawn straight away, the rest waits for the paint.
  void theGaugesShowTheirStepAtOnce() {
    const struct {
      Qt::Key key;
      platform::Rect frame;
      Gauge* gauge;
    } gauges[] = {{Qt::Key_E, layout::FuelGauge, &State().Fuel},
                  {Qt::Key_Space, layout::MissileGauge, &State().Missiles}};
    for (const auto& step : gauges) {
      Gauge* const gauge = step.gauge;
      const platform::Rect bar = GaugeBarArea(step.frame);
      const int width = bar.right - bar.left;
      const auto fill = [&](int value) {
        Gauge shown = *gauge;
        shown.Value = value;
        return GaugeFill(shown, width);
      };
      // A value whose last unit shows on the bar, so that the step is seen.
      int value = gauge->Maximum;
      while (value > 1 && fill(value) == fill(value - 1)) --value;
      QVERIFY(fill(value) != fill(value - 1));
      const auto barShows = [&](int shown) {
        const int filledRight = bar.left + fill(shown);
        return WrongPixel(Client()->Canvas(), bar, [&](int x, int) {
          return x < filledRight ? layout::GaugeColor : platform::Color{192, 192, 192};
        });
      };
      gauge->Value = value;
      game_->Repaint();
      QCOMPARE(barShows(value), QString());
      Press(step.key);
      QCOMPARE(gauge->Value, value - 1);
      QCOMPARE(barShows(value - 1), QString());
    }
  }

  void aLeftClickRetargetsWithinTheSectorOnEachAxis() {
    game_->PlaceShip(4, 5, 6, ScanAxis::Y);
    QTest::mouseClick(Client(), Qt::LeftButton, {}, CellCentre(7, 2));
    QCOMPARE(State().X, 7);
    QCOMPARE(State().Z, 2);
    QCOMPARE(State().Y, 5);
    QCOMPARE(StatusLine(), QString("Targeting coordinates: 2-5-7 ..."));
    QTRY_COMPARE(Label(layout::WeaponsReadout), QString("2-5-7"));

    State().Axis = ScanAxis::X;
    QTest::mouseClick(Client(), Qt::LeftButton, {}, CellCentre(1, 8));
    QCOMPARE(State().Z, 1);
    QCOMPARE(State().Y, 8);
    QCOMPARE(State().X, 7);

    State().Axis = ScanAxis::Z;
    // The last pixel row and column of the view still belong to it.
    QTest::mouseClick(Client(), Qt::LeftButton, {}, QPoint(455, 310));
    QCOMPARE(State().Y, 8);
    QCOMPARE(State().X, 8);
    QCOMPARE(State().Z, 1);

    const int fuel = State().Fuel.Value;
    const int missiles = State().Missiles.Value;
    for (const QPoint outside : {QPoint(456, 100), QPoint(300, 311), QPoint(167, 100), QPoint(50, 50)})
      QTest::mouseClick(Client(), Qt::LeftButton, {}, outside);
    QCOMPARE(State().Y, 8);
    QCOMPARE(State().X, 8);
    QCOMPARE(State().Fuel.Value, fuel);
    QCOMPARE(State().Missiles.Value, missiles);
  }

  void aRightClickFiresAtTheTargetNotUnderThePointer() {
    game_->PlaceShip(3, 3, 3, ScanAxis::Z);
    const int missiles = State().Missiles.Value;
    QTest::mouseClick(Client(), Qt::RightButton, {}, CellCentre(8, 8));
    WaitForLanding();
    QCOMPARE(State().Missiles.Value, missiles - 1);
    QCOMPARE(Game().Grid.Struck[QuadrantIndex(3, 3, 3)], 1);
    QCOMPARE(Game().Grid.Struck[QuadrantIndex(3, 8, 8)], 0);
    QVERIFY2(State().X == 3, "a right click does not retarget");

    QTest::mouseClick(Client(), Qt::RightButton, {}, QPoint(100, 100));
    QVERIFY2(State().Missiles.Value == missiles - 1, "outside the scanner view");
  }

  void aHitRepaintsItsCellAsADestroyedShip() {
    const int target = QuadrantIndex(2, 3, 4);
    Game().Grid.Enemy[target] = 1;
    Game().Grid.Struck[target] = 0;
    game_->PlaceShip(2, 3, 4, ScanAxis::Z);
    game_->Repaint();
    const unsigned stars = static_cast<unsigned>(Game().Grid.StarIcon[target]);
    QCOMPARE(WrongCellAroundCrosshair(3, 4, stars), QString());

    Press(Qt::Key_Space);
    QCOMPARE(StatusLine(), QString("Enemy ship destroyed in quadrant: 2-3-4 ..."));
    // No forced repaint: what the shot invalidated is enough.
    QTRY_COMPARE(WrongCellAroundCrosshair(3, 4, Id(Icon::DestroyedShip)), QString());

    // A miss repaints nothing but its cell, now outlined as searched.
    const int empty = QuadrantIndex(2, 6, 1);
    Game().Grid.Enemy[empty] = 0;
    Game().Grid.Struck[empty] = 0;
    game_->PlaceShip(2, 6, 1, ScanAxis::Z);
    game_->Repaint();
    const platform::Rect outline{168 + 32 + 1, 23 + 32 * 6 + 1, 168 + 64 - 1, 23 + 32 * 6 + 2};
    QVERIFY(!WrongPixel(Client()->Canvas(), outline, platform::Color{128, 128, 128}).isEmpty());
    Press(Qt::Key_F);
    QCOMPARE(StatusLine(), QString("No enemy vessels found in quadrant: 2-6-1 ..."));
    QTRY_COMPARE(WrongPixel(Client()->Canvas(), outline, platform::Color{128, 128, 128}),
                 QString());
  }

  // Keys and clicks that reach the game while the missile flies wait for it
  // to land, then run in the order they came.
  void inputDuringAFlightIsHandledAfterTheLanding() {
    game_->PlaceShip(6, 0, 4, ScanAxis::Z);  // straight up from the launch: the longest flight
    const int target = QuadrantIndex(6, 0, 4);
    Game().Grid.Struck[target] = 0;
    const int missiles = State().Missiles.Value;
    bool sentInFlight = false;
    int zWhenSent = -1;
    QTimer::singleShot(60, [&] {
      sentInFlight = Game().Grid.Struck[target] == 0 && State().Missiles.Value == missiles - 1;
      QTest::keyClick(Client(), Qt::Key_E);
      QTest::mouseClick(Client(), Qt::LeftButton, {}, CellCentre(2, 5));
      zWhenSent = State().Z;
    });
    Press(Qt::Key_Space);
    QVERIFY2(sentInFlight, "the timer fired before the launch or after the landing");
    QCOMPARE(zWhenSent, 6);
    QCOMPARE(Game().Grid.Struck[target], 1);
    QVERIFY2(State().Z == 7, "the engines ran after the landing, before the click");
    QCOMPARE(State().X, 2);
    QCOMPARE(State().Y, 5);
    QCOMPARE(StatusLine(), QString("Targeting coordinates: 7-5-2 ..."));
  }

  void aPictureGraysTheGameAndAnyKeyOrLeftClickOnlyResumes() {
    const QString pictures[] = {"&Game Rules", "&Keyboard Shortcuts", "&Mission Orders"};  // pictures 1 to 3
    for (int n = 0; n < 3; ++n) {
      Item(pictures[n])->trigger();
      QCOMPARE(Game().Picture, ScannerPicture(1 + n));
      QCOMPARE(StatusLine(), QString("Press any key to resume game ..."));
      QVERIFY(!Item("&Fire\tCtrl+F")->isEnabled());
      QVERIFY(!Item("&Save...\tCtrl+S")->isEnabled());
      QVERIFY(Item("&New\tCtrl+N")->isEnabled());
      QVERIFY(!Button(layout::FireButton)->isEnabled());

      const int missiles = State().Missiles.Value;
      QTest::mouseClick(Client(), Qt::RightButton, {}, CellCentre(4, 4));
      QVERIFY2(Game().Picture == ScannerPicture(1 + n), "the right button does nothing");
      if (n == 0) Press(Qt::Key_F);
      if (n == 1) QTest::mouseClick(Client(), Qt::LeftButton, {}, QPoint(20, 20));
      if (n == 2) Press(Qt::Key_Return);
      QCOMPARE(Game().Picture, ScannerPicture::None);
      QCOMPARE(StatusLine(), QString("Resuming ..."));
      QCOMPARE(State().Missiles.Value, missiles);
      QVERIFY(Item("&Fire\tCtrl+F")->isEnabled());
      QVERIFY(Button(layout::FireButton)->isEnabled());
    }
  }

  // New and Open take a picture off the scanner whether they go through or
  // not, by resuming the game first.
  void newLeavesThePictureEvenWhenCancelled() {
    Item("&Mission Orders")->trigger();
    QVERIFY(!Button(layout::EngageButton)->isEnabled());
    AnswerSaveQuestion(QMessageBox::Cancel);
    Press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(Game().Picture, ScannerPicture::None);
    QCOMPARE(StatusLine(), QString("Resuming ..."));
    QVERIFY(Button(layout::EngageButton)->isEnabled());
    QVERIFY(Item("&Fire\tCtrl+F")->isEnabled());

    Item("&Game Rules")->trigger();
    Game().ScannerTracing = true;
    AnswerSaveQuestion(QMessageBox::No);
    Press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(Game().Picture, ScannerPicture::None);
    QVERIFY(!Game().ScannerTracing);
    QCOMPARE(StatusLine(), QString("60 Roder ships detected in 20 battle groups ..."));
    QVERIFY(Button(layout::EngageButton)->isEnabled());
  }

  void theShipButtonsGiveTheKeyboardBack() {
    State().Axis = ScanAxis::Z;
    const int z = State().Z;
    const int missiles = State().Missiles.Value;
    // Something else has the keyboard, as after a menu or a dialog.
    Main()->menuBar()->setFocus();
    QTest::mouseClick(Button(layout::EngageButton), Qt::LeftButton);
    QCOMPARE(State().Z, (z + 1) % 9);
    QVERIFY(Client()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    WaitForLanding();
    QCOMPARE(State().Missiles.Value, missiles - 1);

    Main()->menuBar()->setFocus();
    QTest::mouseClick(Button(layout::ReverseButton), Qt::LeftButton);
    QCOMPARE(State().Z, z);
    QVERIFY(Client()->hasFocus());
    // Pressed without a click that could move the keyboard (as by its
    // mnemonic or an accessibility tool), the button still gives it back.
    Main()->menuBar()->setFocus();
    Button(layout::FireButton)->click();
    QCOMPARE(State().Missiles.Value, missiles - 2);
    QVERIFY(Client()->hasFocus());
  }

  void theEndOfTheGameGraysTheGameAndTheButtons() {
    State().Missiles.Value = 0;
    Press(Qt::Key_Space);
    QCOMPARE(Game().Picture, ScannerPicture::Defeat);
    QCOMPARE(StatusLine(), QString("All missiles have been fired ..."));
    for (const char* item : {"&Fire\tCtrl+F", "&Engage\tCtrl+M", "&Z Axis Scan\tCtrl+Z", "&Close"})
      QVERIFY2(!Item(item)->isEnabled(), item);
    for (const platform::Rect& button : {layout::AimButton, layout::FireButton, layout::ReverseButton,
                                 layout::EngageButton})
      QVERIFY(!Button(button)->isEnabled());
    QTRY_COMPARE(Label(layout::MissileCount), QString("0"));

    // The tour: back to the sector with every surviving ship traced.
    Press(Qt::Key_Escape);
    QCOMPARE(Game().Picture, ScannerPicture::None);
    QVERIFY(Game().ScannerTracing);
    QVERIFY(Item("&Engage\tCtrl+M")->isEnabled());
    QTRY_COMPARE(Label(layout::FuelCount), QString::number(State().Fuel.Maximum));
  }

  // A tap of Alt, or a menu left with Escape, leaves the keyboard with the
  // game: the next key is the game's, not the menu bar's.
  void aTapOfAltOrAMenuLeftWithEscapeLeavesTheKeysToTheGame() {
    QWindow* window = Main()->windowHandle();
    State().Axis = ScanAxis::Z;
    QTest::keyClick(window, Qt::Key_Alt);
    QTest::keyClick(window, Qt::Key_X);
    QCOMPARE(State().Axis, ScanAxis::X);
    QTest::keyClick(window, Qt::Key_V, Qt::AltModifier);
    QMenu* view = Main()->menuBar()->actions().at(1)->menu();
    QTRY_VERIFY(view->isVisible());
    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(!view->isVisible());
    QTest::keyClick(window, Qt::Key_Y);
    QCOMPARE(State().Axis, ScanAxis::Y);
  }

  void theMenuCommandsOfPlay() {
    for (const auto& [item, axis] : {std::pair{"&X Axis Scan\tCtrl+X", ScanAxis::X}, std::pair{"&Y Axis Scan\tCtrl+Y", ScanAxis::Y},
                                     std::pair{"&Z Axis Scan\tCtrl+Z", ScanAxis::Z}}) {
      Item(item)->trigger();
      QCOMPARE(State().Axis, axis);
    }
    const int fuel = State().Fuel.Value;
    const int missiles = State().Missiles.Value;
    Item("&Engage\tCtrl+M")->trigger();
    Item("&Reverse\tCtrl+R")->trigger();
    QCOMPARE(State().Fuel.Value, fuel - 2);
    Item("&Fire\tCtrl+F")->trigger();
    QCOMPARE(State().Missiles.Value, missiles - 1);

    Press(Qt::Key_Return);
    QVERIFY2(State().Fuel.Value == fuel - 3, "Enter engages");
    Press(Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(State().Fuel.Value, fuel - 4);
    Press(Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(State().Missiles.Value, missiles - 2);
    Press(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(State().Axis, ScanAxis::Y);

    Item("&Play Sounds")->trigger();
    QVERIFY(game_->settings.Sounds);
    QVERIFY(Item("&Play Sounds")->isChecked());
  }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
