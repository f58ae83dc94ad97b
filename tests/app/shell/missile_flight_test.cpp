#include <QElapsedTimer>
#include <QPaintEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "app/missile_flight.h"
#include "common/desktop_input.h"
#include "common/main_window_driver.h"
#include "common/main_window_player.h"
#include "display/main_layout.h"
#include "display/missile_path.h"
#include "engine/game_flow.h"

using namespace kestravane;

namespace {

// The five pixels of the mark's plus sign at `at`.
std::vector<QPoint> MarkPixels(MissilePoint at) {
  return {{at.x - 1, at.y - 2}, {at.x, at.y - 2}, {at.x + 1, at.y - 2}, {at.x, at.y - 3}, {at.x, at.y - 1}};
}

QRgb Inverted(QRgb pixel) { return pixel ^ 0x00FFFFFF; }

// `under` with the mark at `at` inverting what lies there.
QImage Marked(const QImage& under, MissilePoint at) {
  QImage marked = under.copy();
  for (const QPoint& pixel : MarkPixels(at)) marked.setPixel(pixel, Inverted(under.pixel(pixel)));
  return marked;
}

// The step of `path` whose mark shows on `now`, found by its five inverted
// pixels; none when no mark shows.
std::optional<int> StepShowing(const QImage& now, const QImage& before,
                               const std::vector<MissilePoint>& path) {
  for (std::size_t step = 0; step < path.size(); ++step) {
    const std::vector<QPoint> pixels = MarkPixels(path[step]);
    if (std::ranges::all_of(pixels, [&](QPoint p) { return now.pixel(p) == Inverted(before.pixel(p)); }))
      return static_cast<int>(step);
  }
  return std::nullopt;
}

// Runs `look` every time the event loop comes round while it lives, as
// often as the flight's pauses let it.
class EveryPass {
 public:
  explicit EveryPass(std::function<void()> look) {
    QObject::connect(&timer_, &QTimer::timeout, std::move(look));
    timer_.start(0);
  }

 private:
  QTimer timer_;
};

// Writes down the paints of the client area.
class PaintLog : public QObject {
 public:
  explicit PaintLog(QWidget* clientArea) { clientArea->installEventFilter(this); }

  QList<QRect> paints;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) paints.push_back(static_cast<QPaintEvent*>(event)->rect());
    return false;
  }
};

// A key the player holds down, as the keyboard repeats it.
void Repeat(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), true);
  QApplication::sendEvent(target, &press);
}

// Counts what the window system reports of a window being uncovered: a
// request to paint, or an exposure when the paint is left to the window.
class ExposureCount : public QObject {
 public:
  explicit ExposureCount(QWindow* window) { window->installEventFilter(this); }

  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Expose || event->type() == QEvent::Paint) ++count;
    return false;
  }
};

constexpr QRect ClientRect(0, 0, ClientWidth, ClientHeight);
constexpr QRect ScannerArea(QPoint(layout::ScannerArea.left, layout::ScannerArea.top),
                            QPoint(layout::ScannerArea.right - 1, layout::ScannerArea.bottom - 1));

}  // namespace

// Missiles flown on the real main window over a game in progress, its
// crosshair on the target cell as the player aims.
class MissileFlightTest : public QObject, public MainWindowPlayer {
  Q_OBJECT

 private:
  QWindow* Desktop() const { return Main()->windowHandle(); }
  const QImage& Shown() const { return Client()->image(); }

  // What the window system was last given of the scanner area; the controls
  // stand over other parts of the client area.
  QImage ScannerOnScreen() const {
    QWidget* frame = Main();
    const QRect scanner(Client()->mapTo(frame, ScannerArea.topLeft()), ScannerArea.size());
    const QImage screen = frame->screen()->grabWindow(frame->winId()).toImage();
    return screen.copy(scanner).convertToFormat(QImage::Format_RGB32);
  }

  // Puts the ship, and so the crosshair and the target, in the cell at
  // (column, row) of the sector, and paints the window.
  void AimAt(int column, int row) {
    game_->PlaceShip(0, row, column, ScanAxis::Z);
    game_->Repaint();
  }

  // Flies a mark to (column, row) and waits for it to land.
  void Fly(int column, int row) {
    FlightAnimation flight;
    bool landed = false;
    flight.Fly(*Client(), column, row, [&] { landed = true; });
    QVERIFY(QTest::qWaitFor([&] { return landed; }));
    QVERIFY(!flight.Flying());
  }

  // Runs `whileFlying` each time round the event loop, from the first pass
  // at which a mark shows, during a flight to (column, row).
  void FlyWhile(int column, int row, const std::function<void()>& whileFlying) {
    const QImage before = Shown().copy();
    const EveryPass watch([&] {
      if (Shown() != before) whileFlying();
    });
    Fly(column, row);
  }

  // Fires at the target with the player's key; `whileFlying` runs once the
  // mark shows, then the missile lands.
  void FireWhile(const std::function<void()>& whileFlying) {
    const QImage before = Shown().copy();
    bool done = false;
    const EveryPass watch([&] {
      if (!done && Shown() != before && Main()->controller().MissileInFlight()) {
        done = true;
        whileFlying();
      }
    });
    QTest::keyClick(Client(), Qt::Key_Space);
    WaitForLanding();
    QVERIFY(done);
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    game_ = std::make_unique<TestMainWindow>(folder_);
    game_->session().Random.Seed(7);
    StartNewGame(game_->session());
    QWidget* frame = Main();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
  }

  void cleanupTestCase() { game_.reset(); }

  void eachStepShowsTheMarkInvertingWhatLiesUnderIt_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("landsOnTheCrosshair");
    QTest::newRow("straight up") << 4 << 0 << true;
    QTest::newRow("mostly sideways") << 0 << 8 << true;
    QTest::newRow("across and up") << 8 << 4 << false;
  }

  void eachStepShowsTheMarkInvertingWhatLiesUnderIt() {
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(bool, landsOnTheCrosshair);
    AimAt(column, row);
    const QImage before = Shown().copy();
    const std::vector<MissilePoint> path = MissilePath(column, row);
    // The flight starts over the stars of the bottom row; the last mark of
    // the steeper flights lies on the target's blue crosshair.
    const auto blueUnder = [&](MissilePoint at) {
      return std::ranges::any_of(MarkPixels(at), [&](QPoint p) { return before.pixelColor(p) == Qt::blue; });
    };
    QVERIFY(!blueUnder(path.front()));
    QCOMPARE(blueUnder(path.back()), landsOnTheCrosshair);

    std::set<int> seen;
    QString wrong;
    std::optional<int> last;
    {
      const EveryPass watch([&] {
        const std::optional<int> step = StepShowing(Shown(), before, path);
        if (step && step == last) return;
        last = step;
        if (!step) {
          if (wrong.isEmpty()) wrong = "no mark shown while the flight pauses";
          return;
        }
        seen.insert(*step);
        const QImage expected = Marked(before, path[*step]);
        if (wrong.isEmpty() && Shown() != expected) wrong = QString("step %1 is not its mark alone").arg(*step);
        if (wrong.isEmpty() && ScannerOnScreen() != expected.copy(ScannerArea))
          wrong = QString("step %1 is not on the screen").arg(*step);
      });
      Fly(column, row);
    }
    QCOMPARE(wrong, QString());
    QCOMPARE(seen.size(), path.size());
    QCOMPARE(Shown(), before);
    QCOMPARE(ScannerOnScreen(), before.copy(ScannerArea));
  }

  // Each mark and each erasure is a paint of its own, of the mark's 3 x 3
  // pixels only; and the flight keeps time by the clock.
  void eachStepReachesTheScreenInAPaintOfItsOwn() {
    AimAt(4, 0);
    const std::vector<MissilePoint> path = MissilePath(4, 0);
    PaintLog log(Client());
    QElapsedTimer clock;
    clock.start();
    Fly(4, 0);
    const auto took = std::chrono::milliseconds(clock.elapsed());

    QList<QRect> expected;
    for (const MissilePoint& at : path) {
      const QRect mark(at.x - 1, at.y - 3, 3, 3);
      expected << mark << mark;
    }
    // Whatever was owed is painted first, as the window's own paint.
    log.paints.removeAll(ClientRect);
    QCOMPARE(log.paints, expected);
    QVERIFY2(took >= MissileStepTime * path.size(), qPrintable(QString("%1 ms").arg(took.count())));
  }

  // What the player does during the flight waits for the landing, then
  // runs in its order; a key that repeats meanwhile is dropped, and a fire
  // key never repeats, so a held fire key fires one missile per press.
  void inputDuringTheFlightWaitsAndItsRepeatsAreDropped() {
    AimAt(4, 0);
    const int missiles = State().Missiles.Value;
    FireWhile([&] {
      QTest::keyClick(Client(), Qt::Key_X);
      Repeat(Client(), Qt::Key_Y);
      Repeat(Client(), Qt::Key_Space);
      Repeat(Client(), Qt::Key_F, Qt::ControlModifier);
      QCOMPARE(State().Axis, ScanAxis::Z);
      QCOMPARE(State().Missiles.Value, missiles - 1);
      QTest::keyClick(Client(), Qt::Key_K);
    });
    QCOMPARE(State().Axis, ScanAxis::X);
    QCOMPARE(StatusLine(), QString("Commander ..."));
    Repeat(Client(), Qt::Key_Space);
    Repeat(Client(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(!Main()->controller().MissileInFlight());
    QCOMPARE(State().Missiles.Value, missiles - 1);
    // A second press during a flight is a second shot, after the first.
    FireWhile([&] { QTest::keyClick(Client(), Qt::Key_F); });
    WaitForLanding();
    QCOMPARE(State().Missiles.Value, missiles - 3);
  }

  // Closing the window in mid-flight lands the missile first: the question
  // to save is about the game it leaves, with no mark left on the window.
  void closingDuringTheFlightLandsTheMissileFirst() {
    AimAt(3, 6);
    QCOMPARE(Game().Grid.Struck[QuadrantIndex(0, 6, 3)], 0);
    const QImage before = Shown().copy();
    const std::vector<MissilePoint> path = MissilePath(3, 6);
    QString question;
    bool settledAtQuestion = false;
    FireWhile([&] {
      WhenModal<QMessageBox>([&](QMessageBox* box) {
        question = box->text();
        settledAtQuestion = !Main()->controller().MissileInFlight() &&
                            Game().Grid.Struck[QuadrantIndex(0, 6, 3)] == 1 && !StepShowing(Shown(), before, path);
        QTest::mouseClick(box->button(QMessageBox::Cancel), Qt::LeftButton);
      });
      Main()->close();
    });
    QVERIFY(!question.isEmpty());
    QVERIFY(settledAtQuestion);
    QVERIFY(Main()->isVisible());
  }

  // A paint the game owed when the flight began comes first: done during
  // the flight, it would redraw the scanner under a mark that the next
  // stroke then inverts back in as a stray one. A window uncovered in
  // mid-flight is shown again at once as it stands, mark included.
  void aPaintOwedIsDoneFirstAndAnUncoveredWindowShowsAtOnce() {
    AimAt(4, 0);
    const QImage before = Shown().copy();
    Client()->Invalidate();
    ExposureCount exposures(Desktop());
    bool shownAfterExposure = false;
    FlyWhile(4, 0, [&] {
      if (exposures.count == 0) {
        const QRect whole(QPoint(0, 0), Main()->size());
        QWindowSystemInterface::handleExposeEvent<QWindowSystemInterface::AsynchronousDelivery>(Desktop(), whole);
      } else if (!shownAfterExposure) {
        shownAfterExposure = ScannerOnScreen() == Shown().copy(ScannerArea);
      }
    });
    QVERIFY(shownAfterExposure);
    QCOMPARE(Shown(), before);
    QCOMPARE(ScannerOnScreen(), before.copy(ScannerArea));
  }
};

QTEST_MAIN(MissileFlightTest)
#include "missile_flight_test.moc"
