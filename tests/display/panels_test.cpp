#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <set>
#include <utility>

#include "common/picture_color.h"
#include "common/resource_pictures.h"
#include "common/test_main_window.h"
#include "display/gauge_bar.h"
#include "display/main_layout.h"
#include "display/panels.h"
#include "platform/resources.h"
#include "platform/surface.h"

namespace {

using platform::Color;
using platform::Rect;

constexpr Color Shadow{128, 128, 128};
constexpr Color Light{255, 255, 255};
constexpr Color Background{192, 192, 192};
constexpr Color GaugeFill{128, 128, 128};
constexpr Color Black{0, 0, 0};
// Painted under each drawing first, so that whatever the drawing leaves
// alone can be told from what it paints.
constexpr Color Untouched{10, 200, 30};

using Pixel = std::pair<int, int>;

}  // namespace

// The weapons, engines and scanner panels and the gauge bars, drawn on a real
// main window and read back pixel by pixel.
class PanelsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  std::unique_ptr<TestMainWindow> game_;
  platform::Surface* surface_ = nullptr;

  platform::Window* window() const { return game_->window; }
  Session& session() const { return game_->session(); }
  GameState& state() const { return game_->state(); }
  QuadrantGrid& grid() const { return session().Grid; }
  QString Text(Control control) const { return ControlText(window(), control); }
  Color At(int x, int y) const { return platform::PixelAt(surface_, x, y); }
  void Blank(const Rect& area) const { platform::FillRect(surface_, area, Untouched); }

  // Every pixel of icon `id` drawn at `place`: the artwork where it is opaque,
  // what was there before where it lets the background through, black on the
  // map cells listed in `dots`.
  void CheckIcon(unsigned id, const Rect& place, const std::set<Pixel>& dots = {}) const {
    const platform::Picture icon = IconPicture(id);
    QVERIFY(!icon.IsNull());
    for (int y = 0; y < icon.Height(); ++y) {
      for (int x = 0; x < icon.Width(); ++x) {
        Color expected = Untouched;
        if (dots.count({place.left + x, place.top + y}))
          expected = Black;
        else if (icon.Pixel(x, y) >> 24)
          expected = PictureColor(icon, x, y);
        if (At(place.left + x, place.top + y) != expected)
          QFAIL(qPrintable(QString("icon %1 wrong at (%2, %3)").arg(id).arg(place.left + x).arg(place.top + y)));
      }
    }
  }
  void CheckIcon(Icon id, const Rect& place, const std::set<Pixel>& dots = {}) const {
    CheckIcon(Id(id), place, dots);
  }

  // The 2 x 2 square of map cell (column, row) of an icon at `icon`.
  static std::set<Pixel> MapSquares(const Rect& icon, std::initializer_list<Pixel> cells) {
    std::set<Pixel> pixels;
    for (const auto& [column, row] : cells) {
      const int x = icon.left + 3 + 3 * column, y = icon.top + 3 + 3 * row;
      pixels.insert({{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}});
    }
    return pixels;
  }

  // A sunken frame: shadow along the top and left, light along the bottom and
  // right, each line one pixel wide.
  void CheckSunkenFrame(const Rect& frame) const {
    QCOMPARE(At(frame.left, frame.top), Shadow);
    QCOMPARE(At(frame.right, frame.top), Shadow);
    QCOMPARE(At(frame.left, frame.bottom - 1), Shadow);
    QCOMPARE(At(frame.left, frame.bottom), Light);
    QCOMPARE(At(frame.right, frame.bottom), Light);
    QCOMPARE(At(frame.right, frame.top + 1), Light);
    QCOMPARE(At(frame.left + 1, frame.top + 1), Untouched);
  }

  // The bar in `frame` filled `fill` columns from the left, background after,
  // and nothing drawn between it and its frame on the left and top.
  void CheckBar(const Rect& frame, int fill) const {
    for (int y = frame.top + 2; y < frame.bottom - 1; ++y) {
      for (int x = frame.left + 2; x < frame.right - 1; ++x) {
        const Color expected = x < frame.left + 2 + fill ? GaugeFill : Background;
        if (At(x, y) != expected)
          QFAIL(qPrintable(QString("bar wrong at (%1, %2)").arg(x).arg(y)));
      }
    }
    QCOMPARE(At(frame.left + 1, frame.top + 5), Untouched);
    QCOMPARE(At(frame.left + 5, frame.top + 1), Untouched);
    QCOMPARE(At(frame.right - 1, frame.top + 5), Untouched);
    QCOMPARE(At(frame.left + 5, frame.bottom - 1), Untouched);
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    game_ = std::make_unique<TestMainWindow>(folder_);
    QVERIFY(window());
    surface_ = platform::WindowSurface(window());
  }

  void cleanupTestCase() {
    platform::ReleaseSurface(surface_);
    game_.reset();
  }

  void init() {
    session().InProgress = true;
    grid() = QuadrantGrid{};
    for (int i = 0; i < QuadrantCount; ++i) grid().StarIcon[i] = Id(Icon::FirstStarField) + i % 200;
    session().Log = ScanLog{};
    session().ScannerTracing = false;
    game_->PlaceShip(4, 4, 4, ScanZ);
    state().EnemyShips = 60;
    state().ShipsDestroyed = 0;
    state().Missiles = {0, 240, 240};
    state().Fuel = {0, 100, 100};
    Blank({0, 0, 470, 350});
  }

  void theBarFillsAsFarAsTheValue_data() {
    QTest::addColumn<bool>("missiles");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("fill");
    QTest::newRow("no missiles") << true << 240 << 0 << 0;
    QTest::newRow("half the missiles, normal") << true << 240 << 120 << 30;
    QTest::newRow("all missiles, hard") << true << 120 << 120 << 60;
    QTest::newRow("all missiles, normal") << true << 240 << 240 << 60;
    QTest::newRow("all missiles, easy") << true << 360 << 360 << 60;
    QTest::newRow("no fuel") << false << 100 << 0 << 0;
    QTest::newRow("half the fuel, normal") << false << 100 << 50 << 30;
    QTest::newRow("full tank, hard") << false << 50 << 50 << 61;
    QTest::newRow("full tank, normal") << false << 100 << 100 << 61;
    QTest::newRow("full tank, easy") << false << 150 << 150 << 60;
  }
  void theBarFillsAsFarAsTheValue() {
    QFETCH(bool, missiles);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, fill);
    const Rect& frame = missiles ? layout::MissileGauge : layout::FuelGauge;
    DrawGaugeBar(surface_, frame, Gauge{0, maximum, value});
    CheckBar(frame, fill);
    // The bar alone: its frame is the panel's business.
    QCOMPARE(At(frame.left, frame.top), Untouched);
  }

  void theMissileBarIsThe61By11PixelsInsideItsFrame() {
    DrawGaugeBar(surface_, layout::MissileGauge, Gauge{0, 240, 0});
    for (int y = 48; y <= 58; ++y)
      for (int x = 63; x <= 123; ++x) QCOMPARE(At(x, y), Background);
    for (int x = 63; x <= 123; ++x) {
      QCOMPARE(At(x, 47), Untouched);
      QCOMPARE(At(x, 59), Untouched);
    }
    QCOMPARE(At(62, 50), Untouched);
    QCOMPARE(At(124, 50), Untouched);

    // A full bar shows its last column, 123, in the background colour.
    DrawGaugeBar(surface_, layout::MissileGauge, Gauge{0, 240, 240});
    QCOMPARE(At(122, 53), GaugeFill);
    QCOMPARE(At(123, 53), Background);
  }

  void aGaugeDrawsItsSunkenFrameAndItsBar() {
    DrawGauge(surface_, layout::FuelGauge, Gauge{0, 100, 50});
    CheckSunkenFrame(layout::FuelGauge);
    CheckBar(layout::FuelGauge, 30);
  }

  void aMapDotBlackensExactlyItsCell() {
    const Rect icon{200, 100, 232, 132};
    DrawMapDot(window(), icon, 8, 0);
    DrawMapDot(window(), icon, 0, 8);
    const std::set<Pixel> dots = MapSquares(icon, {{8, 0}, {0, 8}});
    QVERIFY(dots.count({227, 103}) && dots.count({228, 104}) && dots.count({204, 128}));
    for (int y = icon.top - 2; y < icon.bottom + 2; ++y)
      for (int x = icon.left - 2; x < icon.right + 2; ++x)
        QCOMPARE(At(x, y), dots.count({x, y}) ? Black : Untouched);
  }

  void theWeaponsPanelMarksTheShipOnItsMap_data() {
    QTest::addColumn<int>("axis");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("Z axis: row Y, column X") << int(ScanZ) << 3 << 2;
    QTest::newRow("Y axis: row Z, column X") << int(ScanY) << 3 << 1;
    QTest::newRow("X axis: row Y, column Z") << int(ScanX) << 1 << 2;
  }
  void theWeaponsPanelMarksTheShipOnItsMap() {
    QFETCH(int, axis);
    QFETCH(int, column);
    QFETCH(int, row);
    game_->PlaceShip(1, 2, 3, axis);
    state().Missiles.Value = 200;
    DrawWeaponsPanel(window(), state());

    QCOMPARE(Text(Control::WeaponsReadout), QString("1-2-3"));
    QCOMPARE(Text(Control::MissileCount), QString("200"));
    CheckSunkenFrame(layout::WeaponsPanel);
    CheckIcon(Icon::Map, layout::WeaponsIcon, MapSquares(layout::WeaponsIcon, {{column, row}}));
    CheckSunkenFrame(layout::MissileGauge);
    CheckBar(layout::MissileGauge, 50);
  }

  void theShipsOwnCellIsTheSquareAt32And41() {
    game_->PlaceShip(1, 2, 3, ScanZ);
    const platform::Picture map = IconPicture(Id(Icon::Map));
    QCOMPARE(PictureColor(map, 12, 9), Background);  // a light cell before marking
    DrawWeaponsPanel(window(), state());
    for (const Pixel& p : {Pixel{32, 41}, Pixel{33, 41}, Pixel{32, 42}, Pixel{33, 42}})
      QCOMPARE(At(p.first, p.second), Black);
    // Its neighbours keep the artwork.
    for (const Pixel& p : {Pixel{31, 41}, Pixel{34, 42}, Pixel{32, 40}, Pixel{33, 43}, Pixel{35, 41}})
      QCOMPARE(At(p.first, p.second), PictureColor(map, p.first - 20, p.second - 32));
  }

  void theEnginesPanelShowsThePositionAndTheFuel() {
    game_->PlaceShip(1, 2, 3, ScanZ);
    state().Fuel.Value = 50;
    DrawEnginesPanel(window(), state());
    QCOMPARE(Text(Control::EnginesReadout), QString("1-2-3"));
    QCOMPARE(Text(Control::FuelCount), QString("50"));
    CheckSunkenFrame(layout::EnginesPanel);
    CheckIcon(Icon::Engines, layout::EnginesIcon);
    CheckSunkenFrame(layout::FuelGauge);
    CheckBar(layout::FuelGauge, 30);
  }

  // Three ships in the ship's Z sector: one destroyed at row 0 column 0, one
  // alive at row 5 column 7, and one alive in the ship's own quadrant.
  void theScannerShowsDestroyedShipsAndTracesLiveOnes() {
    game_->PlaceShip(1, 2, 3, ScanZ);
    for (const auto& [y, x] : {std::pair{0, 0}, {5, 7}, {2, 3}}) grid().Enemy[QuadrantIndex(1, y, x)] = 1;
    grid().Struck[QuadrantIndex(1, 0, 0)] = 1;
    grid().Enemy[QuadrantIndex(2, 4, 4)] = 1;  // another sector: never on this map
    grid().Struck[QuadrantIndex(2, 4, 4)] = 1;
    state().ShipsDestroyed = 2;
    state().Missiles.Value = 230;

    QCOMPARE(DrawScannerPanel(window(), session()), 2);
    QCOMPARE(Text(Control::ScannerReadout), QString("1-2-3"));
    CheckSunkenFrame(layout::ScannerPanel);
    CheckIcon(Icon::Map, layout::ScannerIcon, MapSquares(layout::ScannerIcon, {{0, 0}}));
    CheckIcon(static_cast<unsigned>(grid().StarIcon[QuadrantIndex(1, 2, 3)]), layout::QuadrantIcon);
    QCOMPARE(Text(Control::SectorShipsFigure), QString("3 Roder Ships"));
    QCOMPARE(Text(Control::SectorDestroyedFigure), QString("1 Destroyed"));
    QCOMPARE(Text(Control::SectorRemainingFigure), QString("2 Remaining"));
    QCOMPARE(Text(Control::ShipsRemainingFigure), QString("58 Ships Remain"));
    QCOMPARE(Text(Control::KillRatioFigure), QString("20% Kill Ratio"));
    const SectorScan& entry = session().Log.Sector[ScanZ * 9 + 1];
    QCOMPARE(entry.Scanned, 1);
    QCOMPARE(entry.Ships, 3);
    QCOMPARE(entry.Destroyed, 1);
    QCOMPARE(entry.Remaining, 2);

    session().ScannerTracing = true;
    Blank({0, 0, 470, 350});
    QCOMPARE(DrawScannerPanel(window(), session()), 2);
    CheckIcon(Icon::Map, layout::ScannerIcon, MapSquares(layout::ScannerIcon, {{0, 0}, {7, 5}, {3, 2}}));
    CheckIcon(Icon::LiveShip, layout::QuadrantIcon);
  }

  void theFiguresTakeTheSingularForOneShipAndWaitForTheFirstShot() {
    game_->PlaceShip(6, 0, 0, ScanY);  // the Y = 0 sector
    grid().Enemy[QuadrantIndex(8, 0, 8)] = 1;
    state().ShipsDestroyed = 59;
    DrawScannerPanel(window(), session());
    QCOMPARE(Text(Control::SectorShipsFigure), QString("1 Roder Ship"));
    QCOMPARE(Text(Control::SectorDestroyedFigure), QString("0 Destroyed"));
    QCOMPARE(Text(Control::SectorRemainingFigure), QString("1 Remaining"));
    QCOMPARE(Text(Control::ShipsRemainingFigure), QString("1 Ship Remains"));
    QCOMPARE(Text(Control::KillRatioFigure), QString(" "));
    QCOMPARE(session().Log.Sector[ScanY * 9 + 0].Ships, 1);
  }

  void withNoGameTheProgramIconStandsInAndTheSectorIsStillRecorded() {
    session().InProgress = false;
    grid() = QuadrantGrid{};
    game_->PlaceShip(0, 0, 0, ScanZ);
    state().EnemyShips = 0;
    state().Missiles.Value = 0;
    QCOMPARE(DrawScannerPanel(window(), session()), 0);
    CheckIcon(Icon::Program, layout::QuadrantIcon);
    CheckIcon(Icon::Map, layout::ScannerIcon);
    QCOMPARE(Text(Control::ScannerReadout), QString("0-0-0"));
    QCOMPARE(Text(Control::SectorShipsFigure), QString("0 Roder Ships"));
    QCOMPARE(Text(Control::SectorDestroyedFigure), QString("0 Destroyed"));
    QCOMPARE(Text(Control::SectorRemainingFigure), QString("0 Remaining"));
    QCOMPARE(Text(Control::ShipsRemainingFigure), QString("0 Ships Remain"));
    QCOMPARE(Text(Control::KillRatioFigure), QString("0% Kill Ratio"));
    QCOMPARE(session().Log.Sector[0].Scanned, 1);
    QCOMPARE(session().Log.Sector[0].Ships, 0);
  }
};

QTEST_MAIN(PanelsTest)
#include "panels_test.moc"
