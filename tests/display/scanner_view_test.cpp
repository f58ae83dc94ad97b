#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "common/modal_driver.h"
#include "common/qt_waits.h"
#include "common/resource_pictures.h"
#include "common/surface_pixels.h"
#include "common/test_main_window.h"
#include "display/main_layout.h"
#include "platform/resources.h"
#include "display/surface.h"

using namespace kestravane;

namespace {

constexpr int AreaLeft = 168;
constexpr int AreaTop = 23;
constexpr platform::Color Blue{0, 0, 255};
constexpr platform::Color Grey{128, 128, 128};
constexpr unsigned DestroyedShip = Id(Icon::DestroyedShip);
constexpr unsigned LiveShip = Id(Icon::LiveShip);

// The picture the scanner shows in place of the grid for `picture`.
unsigned ScannerBitmap(ScannerPicture picture) { return 5000 + static_cast<unsigned>(picture); }

}  // namespace

// The sector grid, the crosshair, the scan label and the pictures, read back
// pixel by pixel from the main window after a real paint.
class ScannerViewTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  std::unique_ptr<TestMainWindow> game_;

  Session& session() const { return game_->session(); }
  QuadrantGrid& grid() const { return session().Grid; }
  QString ScanLabel() const { return LabelAt(game_->window->board(), layout::ScanLabel); }
  void Paint() const { game_->Repaint(); }

  // Reading pixels draws nothing, so the surface is not released after it.
  const Surface& Canvas() const { return game_->window->board().Canvas(); }
  platform::Color At(int x, int y) const { return PixelAt(Canvas(), x, y); }

  // Where the cell at (row, column) does not show icon `id`.
  QString WrongCell(int row, int column, unsigned id) const {
    return WrongPicture(Canvas(), IconPicture(id), AreaLeft + 32 * column, AreaTop + 32 * row);
  }

  // Where the scanner area does not show the whole of bitmap `id`.
  QString WrongArea(unsigned id) const { return WrongPicture(Canvas(), BitmapPicture(id), AreaLeft, AreaTop); }

  unsigned StarsAt(int z, int y, int x) const { return grid().StarIcon[QuadrantIndex(z, y, x)]; }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    game_ = std::make_unique<TestMainWindow>(folder_);
  }

  void cleanupTestCase() { game_.reset(); }

  // A different star field in every quadrant, so each cell tells which
  // quadrant it shows.
  void init() {
    grid() = QuadrantGrid{};
    for (int i = 0; i < QuadrantCount; ++i) grid().StarIcon[i] = Id(Icon::FirstStarField) + i % 200;
    session().Picture = ScannerPicture::None;
    session().ScannerTracing = false;
    game_->PlaceShip(0, 0, 0, ScanAxis::Z);
  }

  // Runs first: the label is still as the start-up left it.
  void withNoGameTheTitlePageOrAHelpPageShowsAndTheLabelStaysEmpty() {
    session().InProgress = false;
    Paint();
    QCOMPARE(WrongArea(ScannerBitmap(ScannerPicture::None)), QString());
    QCOMPARE(ScanLabel(), QString());
    session().Picture = ScannerPicture::Keys;
    Paint();
    QCOMPARE(WrongArea(ScannerBitmap(ScannerPicture::Keys)), QString());
  }

  void eachAxisLaysOutItsOwnSlice() {
    session().InProgress = true;
    const struct {
      ScanAxis axis;
      const char* label;
      int fixed;
    } slices[] = {{ScanAxis::Z, " Z: 6 ", 6}, {ScanAxis::Y, " Y: 4 ", 4}, {ScanAxis::X, " X: 3 ", 3}};
    for (const auto& slice : slices) {
      game_->PlaceShip(6, 4, 3, slice.axis);
      Paint();
      QCOMPARE(ScanLabel(), QString::fromLatin1(slice.label));
      for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
          int index = 0;
          if (slice.axis == ScanAxis::Z) index = slice.fixed * 81 + row * 9 + column;
          if (slice.axis == ScanAxis::Y) index = row * 81 + slice.fixed * 9 + column;
          if (slice.axis == ScanAxis::X) index = column * 81 + row * 9 + slice.fixed;
          // The crosshair's cell is checked on its own below.
          QVERIFY2(WrongCell(row, column, grid().StarIcon[index]).isEmpty() ||
                       (row == (slice.axis == ScanAxis::Y ? 6 : 4) && column == (slice.axis == ScanAxis::X ? 6 : 3)),
                   qPrintable(QStringLiteral("axis %1 row %2 column %3")
                                  .arg(int(slice.axis))
                                  .arg(row)
                                  .arg(column)));
        }
      }
    }
  }

  void theCrosshairCentresOnTheShipsCell() {
    session().InProgress = true;
    game_->PlaceShip(2, 5, 7, ScanAxis::X);  // row Y = 5, column Z = 2
    Paint();
    const int cx = 248;
    const int cy = 199;
    const platform::Picture stars = IconPicture(StarsAt(2, 5, 7));
    const int cellLeft = AreaLeft + 64;
    const int cellTop = AreaTop + 160;
    // Two pixels thick, seven out from the centre, the end points left out;
    // the rest of the cell shows its stars.
    const auto crosshairCell = [&](int x, int y) {
      const bool across = x >= cx - 7 && x < cx + 7 && (y == cy - 1 || y == cy);
      const bool down = y >= cy - 7 && y < cy + 7 && (x == cx - 1 || x == cx);
      return across || down ? Blue : PictureColor(stars, x - cellLeft, y - cellTop);
    };
    QCOMPARE(WrongPixel(Canvas(), {cellLeft, cellTop, cellLeft + 32, cellTop + 32}, crosshairCell), QString());
  }

  void cellsFollowTheShipsAndTheSearchedQuadrants() {
    session().InProgress = true;
    game_->PlaceShip(0, 8, 8, ScanAxis::Z);  // the crosshair out of the way, bottom right
    const int destroyed = QuadrantIndex(0, 1, 1);
    const int live = QuadrantIndex(0, 1, 2);
    const int searched = QuadrantIndex(0, 1, 3);
    grid().Enemy[destroyed] = grid().Struck[destroyed] = 1;
    grid().Enemy[live] = 1;
    grid().Struck[searched] = 1;

    // The searched cell keeps its stars inside a frame one pixel in from
    // its edge: (x+1, y+1) to (x+30, y+30).
    const platform::Picture stars = IconPicture(grid().StarIcon[searched]);
    const int x = AreaLeft + 96;
    const int y = AreaTop + 32;
    const auto searchedCell = [&](int px, int py) {
      const int cx = px - x, cy = py - y;
      const bool onFrame = std::min(cx, cy) >= 1 && std::max(cx, cy) <= 30 &&
                           (cx == 1 || cx == 30 || cy == 1 || cy == 30);
      return onFrame ? Grey : PictureColor(stars, cx, cy);
    };
    for (const bool tracing : {false, true}) {
      session().ScannerTracing = tracing;
      Paint();
      QCOMPARE(WrongCell(1, 1, DestroyedShip), QString());
      QCOMPARE(WrongCell(1, 2, tracing ? LiveShip : unsigned(grid().StarIcon[live])), QString());
      QCOMPARE(WrongPixel(Canvas(), {x, y, x + 32, y + 32}, searchedCell), QString());
    }
  }

  void theDefeatPageCoversTheTracedGridUntilResumed() {
    session().InProgress = true;
    game_->PlaceShip(0, 8, 8, ScanAxis::Z);
    grid().Enemy[QuadrantIndex(0, 4, 4)] = 1;
    session().ScannerTracing = true;
    session().Picture = ScannerPicture::Defeat;
    Paint();
    QCOMPARE(WrongArea(ScannerBitmap(ScannerPicture::Defeat)), QString());
    session().Picture = ScannerPicture::None;
    Paint();
    QCOMPARE(WrongCell(4, 4, LiveShip), QString());
  }

  // The label and the crosshair take the nearest sector and cell: row Z = 0.
  void shipCoordinatesOffTheGridAreDrawnAtItsEdge() {
    session().InProgress = true;
    game_->PlaceShip(-1, 12, 4, ScanAxis::Y);
    Paint();
    QCOMPARE(ScanLabel(), QStringLiteral(" Y: 8 "));
    QCOMPARE(At(AreaLeft + 4 * 32 + 16, AreaTop + 16), Blue);
  }

  // A star field that is not among the resources costs one box per cell on
  // every paint, and everything else is still drawn.
  void aMissingStarFieldIsReportedPerCellAndTheRestDrawn() {
    session().InProgress = true;
    game_->PlaceShip(0, 8, 8, ScanAxis::Z);
    grid().StarIcon[QuadrantIndex(0, 0, 0)] = 10999;
    grid().StarIcon[QuadrantIndex(0, 2, 5)] = 10999;
    QStringList boxes;
    std::function<void()> answer = [&] {
      AnswerNextModal([&](QWidget* box) {
        boxes << BoxText(box);
        QTest::keyClick(box, Qt::Key_Return);
        if (boxes.size() < 4) answer();
      });
    };
    answer();
    Paint();
    Paint();
    QCOMPARE(boxes.size(), 4);
    for (const QString& text : boxes) {
      QVERIFY2(text.contains(QStringLiteral("Draw_Icon(LoadIcon)")), qPrintable(text));
      QVERIFY2(text.contains(QStringLiteral("ID:10999")), qPrintable(text));
    }
    QCOMPARE(WrongCell(0, 1, StarsAt(0, 0, 1)), QString());
    QCOMPARE(WrongCell(2, 6, StarsAt(0, 2, 6)), QString());
    QCOMPARE(WrongCell(8, 7, StarsAt(0, 8, 7)), QString());
  }
};

QTEST_MAIN(ScannerViewTest)
#include "scanner_view_test.moc"
