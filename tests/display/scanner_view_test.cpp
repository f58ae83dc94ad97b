#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include "common/modal_driver.h"
#include "common/picture_color.h"
#include "common/qt_waits.h"
#include "common/test_main_window.h"
#include "document/game_document.h"
#include "engine/globals.h"
#include "platform/qt/app_window.h"
#include "platform/resources.h"
#include "platform/surface.h"

namespace {

constexpr int AreaLeft = 168;
constexpr int AreaTop = 23;
constexpr platform::Color Blue{0, 0, 255};
constexpr platform::Color Grey{128, 128, 128};

platform::Picture Icon(unsigned id) {
  int error = 0;
  return platform::LoadIconResource(id, error);
}

// A different star field in every quadrant, so each cell tells which
// quadrant it shows.
void FillStarFields() {
  for (int i = 0; i < QuadrantCount; ++i) Grid.StarIcon[i] = FirstStarIcon + i % 200;
}

}  // namespace

// The sector grid, the crosshair, the scan label and the pictures, read back
// pixel by pixel from the main window after a real paint.
class ScannerViewTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  platform::Window* window_ = nullptr;

  platform::AppWindow* Main() const { return platform::AppWindow::From(window_); }
  QString ScanLabel() const { return ControlText(window_, 5030); }

  void Paint() {
    platform::InvalidateRect(window_, nullptr);
    platform::UpdateWindow(window_);
  }

  // Reading pixels draws nothing, so the surface is not released after it.
  platform::Color At(int x, int y) const {
    return platform::PixelAt(platform::WindowSurface(window_), x, y);
  }

  // Whether the cell at (row, column) shows icon `id` where nothing is drawn
  // over it; `inset` leaves out that many pixels along every edge.
  bool CellShows(int row, int column, unsigned id, int inset = 0) const {
    const platform::Picture icon = Icon(id);
    if (icon.IsNull()) return false;
    const int left = AreaLeft + 32 * column;
    const int top = AreaTop + 32 * row;
    for (int y = inset; y < 32 - inset; ++y)
      for (int x = inset; x < 32 - inset; ++x)
        if (At(left + x, top + y) != PictureColor(icon, x, y)) return false;
    return true;
  }

  bool AreaShowsPicture(unsigned id) const {
    int error = 0;
    const platform::Picture picture = platform::LoadBitmapResource(id, error);
    for (int y = 0; y < 288; ++y)
      for (int x = 0; x < 288; ++x)
        if (At(AreaLeft + x, AreaTop + y) != PictureColor(picture, x, y)) return false;
    return !picture.IsNull();
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    window_ = OpenTestMainWindow(folder_);
    QVERIFY(window_);
  }

  void init() {
    Grid = QuadrantGrid{};
    FillStarFields();
    PictureIndex = 0;
    ScannerTracing = 0;
    PlaceShip(0, 0, 0, 0);
  }

  // Runs first: the label is still as the start-up left it.
  void withNoGameTheTitlePageShowsAndTheLabelStaysEmpty() {
    Document.InProgress = 0;
    Paint();
    QVERIFY(AreaShowsPicture(5000));
    QCOMPARE(ScanLabel(), QString());
  }

  void aHelpPageShowsEvenWithNoGameOpen() {
    Document.InProgress = 0;
    PictureIndex = 2;
    Paint();
    QVERIFY(AreaShowsPicture(5002));
  }

  void eachAxisLaysOutItsOwnSlice() {
    Document.InProgress = 1;
    const struct {
      int axis;
      const char* label;
      int fixed;
    } slices[] = {{0, " Z: 6 ", 6}, {1, " Y: 4 ", 4}, {2, " X: 3 ", 3}};
    for (const auto& slice : slices) {
      PlaceShip(6, 4, 3, slice.axis);
      Paint();
      QCOMPARE(ScanLabel(), QString::fromLatin1(slice.label));
      for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
          int index = 0;
          if (slice.axis == 0) index = slice.fixed * 81 + row * 9 + column;
          if (slice.axis == 1) index = row * 81 + slice.fixed * 9 + column;
          if (slice.axis == 2) index = column * 81 + row * 9 + slice.fixed;
          // The crosshair's cell is checked on its own below.
          QVERIFY2(CellShows(row, column, Grid.StarIcon[index], 0) ||
                       (row == (slice.axis == 1 ? 6 : 4) && column == (slice.axis == 2 ? 6 : 3)),
                   qPrintable(QStringLiteral("axis %1 row %2 column %3")
                                  .arg(slice.axis)
                                  .arg(row)
                                  .arg(column)));
        }
      }
    }
  }

  void aScanAxisOutsideTheTableIsDrawnAsZ() {
    Document.InProgress = 1;
    PlaceShip(5, 1, 2, 7);
    Paint();
    QCOMPARE(ScanLabel(), QStringLiteral(" Z: 5 "));
    QVERIFY(CellShows(8, 8, Grid.StarIcon[5 * 81 + 8 * 9 + 8]));
  }

  void theCrosshairCentresOnTheShipsCell() {
    Document.InProgress = 1;
    PlaceShip(2, 5, 7, 2);  // along X: row Y = 5, column Z = 2
    Paint();
    const int cx = 248;
    const int cy = 199;
    // Two pixels thick, seven out from the centre, the end points left out.
    for (int x = cx - 7; x < cx + 7; ++x) {
      QCOMPARE(At(x, cy - 1), Blue);
      QCOMPARE(At(x, cy), Blue);
    }
    for (int y = cy - 7; y < cy + 7; ++y) {
      QCOMPARE(At(cx - 1, y), Blue);
      QCOMPARE(At(cx, y), Blue);
    }
    const platform::Picture stars = Icon(Grid.StarIcon[2 * 81 + 5 * 9 + 7]);
    const int cellLeft = AreaLeft + 64;
    const int cellTop = AreaTop + 160;
    for (const QPoint p : {QPoint(cx + 7, cy), QPoint(cx - 8, cy), QPoint(cx, cy + 7),
                           QPoint(cx, cy - 8), QPoint(cx + 1, cy + 1), QPoint(cx - 2, cy - 2)})
      QCOMPARE(At(p.x(), p.y()), PictureColor(stars, p.x() - cellLeft, p.y() - cellTop));
  }

  void cellsFollowTheShipsAndTheSearchedQuadrants() {
    Document.InProgress = 1;
    PlaceShip(0, 8, 8, 0);  // the crosshair out of the way, bottom right
    const int destroyed = QuadrantIndex(0, 1, 1);
    const int live = QuadrantIndex(0, 1, 2);
    const int searched = QuadrantIndex(0, 1, 3);
    Grid.Enemy[destroyed] = Grid.Struck[destroyed] = 1;
    Grid.Enemy[live] = 1;
    Grid.Struck[searched] = 1;

    for (const int tracing : {0, 1}) {
      ScannerTracing = tracing;
      Paint();
      QVERIFY(CellShows(1, 1, 5001));
      QVERIFY(CellShows(1, 2, tracing ? 5002u : unsigned(Grid.StarIcon[live])));
      QVERIFY(CellShows(1, 3, Grid.StarIcon[searched], 2));
    }
    // The searched frame runs one pixel inside the cell: (x+1, y+1) to (x+30, y+30).
    const int x = AreaLeft + 96;
    const int y = AreaTop + 32;
    for (int i = 1; i <= 30; ++i) {
      QCOMPARE(At(x + i, y + 1), Grey);
      QCOMPARE(At(x + i, y + 30), Grey);
      QCOMPARE(At(x + 1, y + i), Grey);
      QCOMPARE(At(x + 30, y + i), Grey);
    }
    const platform::Picture stars = Icon(Grid.StarIcon[searched]);
    for (const QPoint p : {QPoint(0, 0), QPoint(31, 31), QPoint(31, 5), QPoint(5, 0)})
      QCOMPARE(At(x + p.x(), y + p.y()), PictureColor(stars, p.x(), p.y()));
  }

  void theDefeatPageCoversTheTracedGridUntilResumed() {
    Document.InProgress = 1;
    PlaceShip(0, 8, 8, 0);
    Grid.Enemy[QuadrantIndex(0, 4, 4)] = 1;
    ScannerTracing = 1;
    PictureIndex = 5;
    Paint();
    QVERIFY(AreaShowsPicture(5005));
    PictureIndex = 0;
    Paint();
    QVERIFY(CellShows(4, 4, 5002));
  }

  void shipCoordinatesOffTheGridAreDrawnAtItsEdge() {
    Document.InProgress = 1;
    PlaceShip(3, 900, -50, 0);
    Paint();
    QCOMPARE(ScanLabel(), QStringLiteral(" Z: 3 "));
    // The crosshair sits in the nearest cell: row 8, column 0.
    QCOMPARE(At(AreaLeft + 16, AreaTop + 8 * 32 + 16), Blue);
    PlaceShip(-1, 12, 4, 1);
    Paint();
    QCOMPARE(ScanLabel(), QStringLiteral(" Y: 8 "));
    QCOMPARE(At(AreaLeft + 4 * 32 + 16, AreaTop + 16), Blue);
  }

  // A star field that is not among the resources costs one box per cell on
  // every paint, and everything else is still drawn.
  void aMissingStarFieldIsReportedPerCellAndTheRestDrawn() {
    Document.InProgress = 1;
    PlaceShip(0, 8, 8, 0);
    Grid.StarIcon[QuadrantIndex(0, 0, 0)] = 10999;
    Grid.StarIcon[QuadrantIndex(0, 2, 5)] = 10999;
    QStringList boxes;
    std::function<void()> answer = [&] {
      WhenReady([] { return QApplication::activeModalWidget() != nullptr; },
                [&] {
                  QWidget* box = QApplication::activeModalWidget();
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
    QVERIFY(CellShows(0, 1, Grid.StarIcon[QuadrantIndex(0, 0, 1)]));
    QVERIFY(CellShows(2, 6, Grid.StarIcon[QuadrantIndex(0, 2, 6)]));
    QVERIFY(CellShows(8, 7, Grid.StarIcon[QuadrantIndex(0, 8, 7)]));
  }
};

QTEST_MAIN(ScannerViewTest)
#include "scanner_view_test.moc"
