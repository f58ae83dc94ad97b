#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "common/modal_driver.h"
#include "common/picture_color.h"
#include "common/qt_waits.h"
#include "common/resource_pictures.h"
#include "common/test_main_window.h"
#include "platform/resources.h"
#include "platform/surface.h"

namespace {

constexpr int AreaLeft = 168;
constexpr int AreaTop = 23;
constexpr platform::Color Blue{0, 0, 255};
constexpr platform::Color Grey{128, 128, 128};
constexpr unsigned DestroyedShip = Id(Icon::DestroyedShip);
constexpr unsigned LiveShip = Id(Icon::LiveShip);

// The picture the scanner shows in place of the grid for `picture`.
unsigned ScannerBitmap(ScannerPicture picture) { return Id(Bitmap::FirstScannerPicture) + picture; }

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
  QString ScanLabel() const { return ControlText(game_->window, Control::ScanLabel); }
  void Paint() const { game_->Repaint(); }

  // Reading pixels draws nothing, so the surface is not released after it.
  platform::Color At(int x, int y) const {
    return platform::PixelAt(platform::WindowSurface(game_->window), x, y);
  }

  // Whether the cell at (row, column) shows icon `id` where nothing is drawn
  // over it; `inset` leaves out that many pixels along every edge.
  bool CellShows(int row, int column, unsigned id, int inset = 0) const {
    const platform::Picture icon = IconPicture(id);
    if (icon.IsNull()) return false;
    const int left = AreaLeft + 32 * column;
    const int top = AreaTop + 32 * row;
    for (int y = inset; y < 32 - inset; ++y)
      for (int x = inset; x < 32 - inset; ++x)
        if (At(left + x, top + y) != PictureColor(icon, x, y)) return false;
    return true;
  }

  bool AreaShowsPicture(unsigned id) const {
    const platform::Picture picture = BitmapPicture(id);
    for (int y = 0; y < 288; ++y)
      for (int x = 0; x < 288; ++x)
        if (At(AreaLeft + x, AreaTop + y) != PictureColor(picture, x, y)) return false;
    return !picture.IsNull();
  }

  unsigned StarsAt(int z, int y, int x) const { return grid().StarIcon[QuadrantIndex(z, y, x)]; }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    game_ = std::make_unique<TestMainWindow>(folder_);
    QVERIFY(game_->window);
  }

  void cleanupTestCase() { game_.reset(); }

  // A different star field in every quadrant, so each cell tells which
  // quadrant it shows.
  void init() {
    grid() = QuadrantGrid{};
    for (int i = 0; i < QuadrantCount; ++i) grid().StarIcon[i] = Id(Icon::FirstStarField) + i % 200;
    session().Picture = NoPicture;
    session().ScannerTracing = false;
    game_->PlaceShip(0, 0, 0, ScanZ);
  }

  // Runs first: the label is still as the start-up left it.
  void withNoGameTheTitlePageShowsAndTheLabelStaysEmpty() {
    session().InProgress = false;
    Paint();
    QVERIFY(AreaShowsPicture(ScannerBitmap(NoPicture)));
    QCOMPARE(ScanLabel(), QString());
  }

  void aHelpPageShowsEvenWithNoGameOpen() {
    session().InProgress = false;
    session().Picture = KeysPicture;
    Paint();
    QVERIFY(AreaShowsPicture(ScannerBitmap(KeysPicture)));
  }

  void eachAxisLaysOutItsOwnSlice() {
    session().InProgress = true;
    const struct {
      int axis;
      const char* label;
      int fixed;
    } slices[] = {{ScanZ, " Z: 6 ", 6}, {ScanY, " Y: 4 ", 4}, {ScanX, " X: 3 ", 3}};
    for (const auto& slice : slices) {
      game_->PlaceShip(6, 4, 3, slice.axis);
      Paint();
      QCOMPARE(ScanLabel(), QString::fromLatin1(slice.label));
      for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
          int index = 0;
          if (slice.axis == ScanZ) index = slice.fixed * 81 + row * 9 + column;
          if (slice.axis == ScanY) index = row * 81 + slice.fixed * 9 + column;
          if (slice.axis == ScanX) index = column * 81 + row * 9 + slice.fixed;
          // The crosshair's cell is checked on its own below.
          QVERIFY2(CellShows(row, column, grid().StarIcon[index]) ||
                       (row == (slice.axis == ScanY ? 6 : 4) && column == (slice.axis == ScanX ? 6 : 3)),
                   qPrintable(QStringLiteral("axis %1 row %2 column %3")
                                  .arg(slice.axis)
                                  .arg(row)
                                  .arg(column)));
        }
      }
    }
  }

  void aScanAxisOutsideTheTableIsDrawnAsZ() {
    session().InProgress = true;
    game_->PlaceShip(5, 1, 2, 7);
    Paint();
    QCOMPARE(ScanLabel(), QStringLiteral(" Z: 5 "));
    QVERIFY(CellShows(8, 8, StarsAt(5, 8, 8)));
  }

  void theCrosshairCentresOnTheShipsCell() {
    session().InProgress = true;
    game_->PlaceShip(2, 5, 7, ScanX);  // row Y = 5, column Z = 2
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
    const platform::Picture stars = IconPicture(StarsAt(2, 5, 7));
    const int cellLeft = AreaLeft + 64;
    const int cellTop = AreaTop + 160;
    for (const QPoint p : {QPoint(cx + 7, cy), QPoint(cx - 8, cy), QPoint(cx, cy + 7),
                           QPoint(cx, cy - 8), QPoint(cx + 1, cy + 1), QPoint(cx - 2, cy - 2)})
      QCOMPARE(At(p.x(), p.y()), PictureColor(stars, p.x() - cellLeft, p.y() - cellTop));
  }

  void cellsFollowTheShipsAndTheSearchedQuadrants() {
    session().InProgress = true;
    game_->PlaceShip(0, 8, 8, ScanZ);  // the crosshair out of the way, bottom right
    const int destroyed = QuadrantIndex(0, 1, 1);
    const int live = QuadrantIndex(0, 1, 2);
    const int searched = QuadrantIndex(0, 1, 3);
    grid().Enemy[destroyed] = grid().Struck[destroyed] = 1;
    grid().Enemy[live] = 1;
    grid().Struck[searched] = 1;

    for (const bool tracing : {false, true}) {
      session().ScannerTracing = tracing;
      Paint();
      QVERIFY(CellShows(1, 1, DestroyedShip));
      QVERIFY(CellShows(1, 2, tracing ? LiveShip : unsigned(grid().StarIcon[live])));
      QVERIFY(CellShows(1, 3, grid().StarIcon[searched], 2));
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
    const platform::Picture stars = IconPicture(grid().StarIcon[searched]);
    for (const QPoint p : {QPoint(0, 0), QPoint(31, 31), QPoint(31, 5), QPoint(5, 0)})
      QCOMPARE(At(x + p.x(), y + p.y()), PictureColor(stars, p.x(), p.y()));
  }

  void theDefeatPageCoversTheTracedGridUntilResumed() {
    session().InProgress = true;
    game_->PlaceShip(0, 8, 8, ScanZ);
    grid().Enemy[QuadrantIndex(0, 4, 4)] = 1;
    session().ScannerTracing = true;
    session().Picture = DefeatPicture;
    Paint();
    QVERIFY(AreaShowsPicture(ScannerBitmap(DefeatPicture)));
    session().Picture = NoPicture;
    Paint();
    QVERIFY(CellShows(4, 4, LiveShip));
  }

  void shipCoordinatesOffTheGridAreDrawnAtItsEdge() {
    session().InProgress = true;
    game_->PlaceShip(3, 900, -50, ScanZ);
    Paint();
    QCOMPARE(ScanLabel(), QStringLiteral(" Z: 3 "));
    // The crosshair sits in the nearest cell: row 8, column 0.
    QCOMPARE(At(AreaLeft + 16, AreaTop + 8 * 32 + 16), Blue);
    game_->PlaceShip(-1, 12, 4, ScanY);
    Paint();
    QCOMPARE(ScanLabel(), QStringLiteral(" Y: 8 "));
    QCOMPARE(At(AreaLeft + 4 * 32 + 16, AreaTop + 16), Blue);
  }

  // A star field that is not among the resources costs one box per cell on
  // every paint, and everything else is still drawn.
  void aMissingStarFieldIsReportedPerCellAndTheRestDrawn() {
    session().InProgress = true;
    game_->PlaceShip(0, 8, 8, ScanZ);
    grid().StarIcon[QuadrantIndex(0, 0, 0)] = 10999;
    grid().StarIcon[QuadrantIndex(0, 2, 5)] = 10999;
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
    QVERIFY(CellShows(0, 1, StarsAt(0, 0, 1)));
    QVERIFY(CellShows(2, 6, StarsAt(0, 2, 6)));
    QVERIFY(CellShows(8, 7, StarsAt(0, 8, 7)));
  }
};

QTEST_MAIN(ScannerViewTest)
#include "scanner_view_test.moc"
