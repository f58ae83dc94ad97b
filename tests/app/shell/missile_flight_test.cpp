#include <QPaintEvent>
#include <QScreen>
#include <QtTest>
#include <optional>
#include <qpa/qwindowsysteminterface.h>

#include "app/missile_flight.h"
#include "common/test_main_window.h"
#include "display/main_layout.h"
#include "display/missile_path.h"
#include "engine/game_flow.h"
#include "platform/qt/rect_qt.h"

using namespace kestravane;

namespace {

// `under` with the five pixels of the mark's plus sign at `at` inverting what lies there.
QImage Marked(const QImage& under, MissilePoint at) {
  QImage marked = under.copy();
  for (const auto& [x, y] : {std::pair{-1, -2}, {0, -2}, {1, -2}, {0, -3}, {0, -1}})
    marked.setPixel(at.x + x, at.y + y, under.pixel(at.x + x, at.y + y) ^ 0x00FFFFFF);
  return marked;
}

struct EventLog : QObject {
  QList<QRect> paints;
  int exposures = 0;

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) paints << static_cast<QPaintEvent*>(event)->rect();
    if (event->type() == QEvent::Expose) ++exposures;
    return false;
  }
};

const QRect ScannerArea = platform::ToQRect(layout::ScannerArea);

}  // namespace

// Missiles flown up, mostly sideways, and across and up on the real main window, watched each time round the event
// loop: each step shows its mark alone, inverting what lies under it, on the screen too, in a paint of its pixels; a
// paint pending at the start shows the first mark with the board; a window uncovered mid-flight shows at once.
class MissileFlightTest : public QObject {
  Q_OBJECT

 private slots:
  void eachStepShowsItsMarkAloneOnTheScreen() {
    for (const auto& [column, row] : {std::pair{4, 0}, {0, 8}, {8, 4}}) {
      QTemporaryDir folder;
      TestMainWindow game(folder);
      game.session().Random.Seed(7);
      StartNewGame(game.session());
      std::tie(game.state().Y, game.state().X) = std::pair(row, column);  // in sector Z 0 along Z, as a game starts
      game.window->board().Refresh();
      game.window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(game.window.get()));
      BoardView& board = game.window->board();
      QWindow* window = game.window->windowHandle();
      const QImage before = board.image().copy();
      const auto onScreen = [&] {
        const QRect area(board.mapTo(game.window.get(), ScannerArea.topLeft()), ScannerArea.size());
        const QImage screen = window->screen()->grabWindow(game.window->winId()).toImage();
        return screen.copy(area).convertToFormat(QImage::Format_RGB32);
      };
      const std::vector<MissilePoint> path = MissilePath(column, row);
      EventLog log;
      board.installEventFilter(&log);
      window->installEventFilter(&log);
      board.update();

      std::optional<std::size_t> shown;
      QString wrong;
      QTimer watch;
      connect(&watch, &QTimer::timeout, [&] {
        if (board.image() == before) return;
        std::size_t step = shown.value_or(0);
        while (step < path.size() && board.image() != Marked(before, path[step])) ++step;
        if (step == path.size() && wrong.isEmpty()) wrong = "no single mark shown";
        if (step == path.size() || step == shown) return;
        if (shown && step != *shown + 1 && wrong.isEmpty()) wrong = QString("step %1 skipped").arg(*shown + 1);
        shown = step;
        if (onScreen() != Marked(before, path[step]).copy(ScannerArea) && wrong.isEmpty())
          wrong = QString("step %1 is not on the screen").arg(step);
        if (step == path.size() / 2)
          QWindowSystemInterface::handleExposeEvent<QWindowSystemInterface::AsynchronousDelivery>(
              window, QRect(QPoint(0, 0), game.window->size()));
      });
      watch.start(0);
      FlightAnimation flight;
      bool landed = false;
      flight.Fly(board, column, row, [&] { landed = true; });
      QVERIFY(QTest::qWaitFor([&] { return landed; }));
      watch.stop();

      QCOMPARE(wrong, QString());
      QCOMPARE(shown, std::optional(path.size() - 1));
      QVERIFY2(board.image() == before && onScreen() == before.copy(ScannerArea), "the last mark is left");
      QVERIFY(log.exposures > 0);
      // A mark and its erasure each step, besides the paint of the uncovered
      // window; the board's paint pending at the start takes in the first mark.
      QCOMPARE(log.paints.takeFirst(), board.rect());
      log.paints.removeIf([&](const QRect& paint) { return paint.contains(board.rect()); });
      QList<QRect> marks;
      for (const MissilePoint& at : path) marks << QRect(at.x - 1, at.y - 3, 3, 3) << QRect(at.x - 1, at.y - 3, 3, 3);
      marks.removeFirst();
      QCOMPARE(log.paints, marks);
    }
  }
};

QTEST_MAIN(MissileFlightTest)
#include "missile_flight_test.moc"
