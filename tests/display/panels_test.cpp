#include <QtTest>
#include <memory>
#include <set>
#include <utility>

#include "common/resource_pictures.h"
#include "common/surface_pixels.h"
#include "display/gauge_bar.h"
#include "display/main_layout.h"
#include "display/panels.h"
#include "platform/resources.h"
#include "display/surface.h"
#include "engine/session.h"

using namespace kestravane;

namespace {

using platform::Color;
using platform::Rect;

constexpr Color Background{192, 192, 192};
constexpr Color GaugeFill{128, 128, 128};
constexpr Color Black{0, 0, 0};
// Painted under each drawing first, so that whatever the drawing leaves
// alone can be told from what it paints.
constexpr Color Untouched{10, 200, 30};

using Pixel = std::pair<int, int>;

// The black 2 x 2 squares that mark map cells, each given by its top left
// pixel on the window.
std::set<Pixel> MapDots(std::initializer_list<Pixel> corners) {
  std::set<Pixel> pixels;
  for (const auto& [x, y] : corners) pixels.insert({{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}});
  return pixels;
}

}  // namespace

// The weapons, engines and scanner panels and the gauge bars, drawn on an
// image of the main window's size and read back pixel by pixel.
class PanelsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Session> game_ = std::make_unique<Session>();
  Surface surface_{ClientWidth, ClientHeight};
  BoardTexts texts_;

  Session& session() const { return *game_; }
  GameState& state() const { return game_->State; }
  QuadrantGrid& grid() const { return session().Grid; }
  static QString Text(const std::optional<std::string>& text) { return QString::fromStdString(text.value_or("<unset>")); }
  void Blank(const Rect& area) { FillRect(surface_, area, Untouched); }
  void PlaceShip(int z, int y, int x, ScanAxis axis) {
    state().Z = z;
    state().Y = y;
    state().X = x;
    state().Axis = axis;
  }

  // Icon `id` drawn at `place`: the artwork where it is opaque, what was
  // there before where it lets the background through, black on `dots`.
  QString WrongIcon(unsigned id, const Rect& place, const std::set<Pixel>& dots = {}) const {
    const platform::Picture icon = IconPicture(id);
    if (icon.IsNull()) return QStringLiteral("no icon %1").arg(id);
    return WrongPixel(surface_, {place.left, place.top, place.left + icon.Width(), place.top + icon.Height()},
                      [&](int x, int y) {
                        if (dots.count({x, y})) return Black;
                        if (icon.Pixel(x - place.left, y - place.top) >> 24)
                          return PictureColor(icon, x - place.left, y - place.top);
                        return Untouched;
                      });
  }
  QString WrongIcon(Icon id, const Rect& place, const std::set<Pixel>& dots = {}) const {
    return WrongIcon(Id(id), place, dots);
  }

  // The bar in `frame` filled `fill` columns from the left, background
  // after, and nothing drawn in the one pixel between it and its frame.
  QString WrongBar(const Rect& frame, int fill) const {
    const Rect bar{frame.left + 2, frame.top + 2, frame.right - 1, frame.bottom - 1};
    return WrongPixel(surface_, {frame.left + 1, frame.top + 1, frame.right, frame.bottom}, [&](int x, int y) {
      if (x < bar.left || x >= bar.right || y < bar.top || y >= bar.bottom) return Untouched;
      return x < bar.left + fill ? GaugeFill : Background;
    });
  }

  QString WrongPanelFrame(const Rect& frame) const { return WrongSunkenFrame(surface_, frame, Untouched); }

 private slots:
  void init() {
    texts_ = BoardTexts{};
    session().InProgress = true;
    grid() = QuadrantGrid{};
    for (int i = 0; i < QuadrantCount; ++i) grid().StarIcon[i] = Id(Icon::FirstStarField) + i % 200;
    session().Log = ScanLog{};
    session().ScannerTracing = false;
    PlaceShip(4, 4, 4, ScanAxis::Z);
    state().EnemyShips = 60;
    state().ShipsDestroyed = 0;
    state().Missiles = {0, 240, 240};
    state().Fuel = {0, 100, 100};
    Blank({0, 0, 470, 350});
  }

  // Both bars are the 61 x 11 pixels inside their frames. How far a value
  // fills one is the engine's business; here it is drawn.
  void theBarFillsAsFarAsTheValue_data() {
    QTest::addColumn<bool>("missiles");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("fill");
    QTest::newRow("no missiles") << true << 240 << 0 << 0;
    QTest::newRow("all missiles: the last column stays background") << true << 240 << 240 << 60;
    QTest::newRow("half the fuel") << false << 100 << 50 << 30;
    QTest::newRow("full tank: every column") << false << 100 << 100 << 61;
  }
  void theBarFillsAsFarAsTheValue() {
    QFETCH(bool, missiles);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, fill);
    const Rect& frame = missiles ? layout::MissileGauge : layout::FuelGauge;
    DrawGaugeBar(surface_, frame, Gauge{0, maximum, value});
    // The bar alone: its frame is the panel's business.
    QCOMPARE(WrongBar(frame, fill), QString());
    QCOMPARE(PixelAt(surface_, frame.left, frame.top), Untouched);
  }

  // The ship at (1, 2, 3); its map dot's corner on the window.
  void theWeaponsPanelMarksTheShipOnItsMap_data() {
    QTest::addColumn<int>("axis");
    QTest::addColumn<int>("dotX");
    QTest::addColumn<int>("dotY");
    QTest::newRow("Z axis: row Y, column X") << int(ScanAxis::Z) << 32 << 41;
    QTest::newRow("Y axis: row Z, column X") << int(ScanAxis::Y) << 32 << 38;
    QTest::newRow("X axis: row Y, column Z") << int(ScanAxis::X) << 26 << 41;
  }
  void theWeaponsPanelMarksTheShipOnItsMap() {
    QFETCH(int, axis);
    QFETCH(int, dotX);
    QFETCH(int, dotY);
    PlaceShip(1, 2, 3, ScanAxis(axis));
    state().Missiles.Value = 200;
    DrawWeaponsPanel(surface_, texts_, state());

    QCOMPARE(Text(texts_.WeaponsReadout), QString("1-2-3"));
    QCOMPARE(Text(texts_.MissileCount), QString("200"));
    QCOMPARE(WrongPanelFrame(layout::WeaponsPanel), QString());
    QCOMPARE(WrongIcon(Icon::Map, layout::WeaponsIcon, MapDots({{dotX, dotY}})), QString());
    QCOMPARE(WrongPanelFrame(layout::MissileGauge), QString());
    QCOMPARE(WrongBar(layout::MissileGauge, 50), QString());
  }

  void theEnginesPanelShowsThePositionAndTheFuel() {
    PlaceShip(1, 2, 3, ScanAxis::Z);
    state().Fuel.Value = 50;
    DrawEnginesPanel(surface_, texts_, state());
    QCOMPARE(Text(texts_.EnginesReadout), QString("1-2-3"));
    QCOMPARE(Text(texts_.FuelCount), QString("50"));
    QCOMPARE(WrongPanelFrame(layout::EnginesPanel), QString());
    QCOMPARE(WrongIcon(Icon::Engines, layout::EnginesIcon), QString());
    QCOMPARE(WrongPanelFrame(layout::FuelGauge), QString());
    QCOMPARE(WrongBar(layout::FuelGauge, 30), QString());
  }

  // Three ships in the ship's Z sector: one destroyed at row 0 column 0, one
  // alive at row 5 column 7, and one alive in the ship's own quadrant.
  void theScannerShowsDestroyedShipsAndTracesLiveOnes() {
    PlaceShip(1, 2, 3, ScanAxis::Z);
    for (const auto& [y, x] : {std::pair{0, 0}, {5, 7}, {2, 3}}) grid().Enemy[QuadrantIndex(1, y, x)] = 1;
    grid().Struck[QuadrantIndex(1, 0, 0)] = 1;
    grid().Enemy[QuadrantIndex(2, 4, 4)] = 1;  // another sector: never on this map
    grid().Struck[QuadrantIndex(2, 4, 4)] = 1;
    state().ShipsDestroyed = 2;
    state().Missiles.Value = 230;

    QCOMPARE(DrawScannerPanel(surface_, texts_, session()), 2);
    QCOMPARE(Text(texts_.ScannerReadout), QString("1-2-3"));
    QCOMPARE(WrongPanelFrame(layout::ScannerPanel), QString());
    QCOMPARE(WrongIcon(Icon::Map, layout::ScannerIcon, MapDots({{23, 243}})), QString());
    QCOMPARE(WrongIcon(static_cast<unsigned>(grid().StarIcon[QuadrantIndex(1, 2, 3)]), layout::QuadrantIcon),
             QString());
    QCOMPARE(Text(texts_.SectorShips), QString("3 Roder Ships"));
    QCOMPARE(Text(texts_.SectorDestroyed), QString("1 Destroyed"));
    QCOMPARE(Text(texts_.SectorRemaining), QString("2 Remaining"));
    QCOMPARE(Text(texts_.ShipsRemaining), QString("58 Ships Remain"));
    QCOMPARE(Text(texts_.KillRatio), QString("20% Kill Ratio"));
    // Drawing the panel is what records the sector in the scanner log.
    QCOMPARE(session().Log.Sector[1].Scanned, 1);  // the Z = 1 sector
    QCOMPARE(session().Log.Sector[1].Ships, 3);

    session().ScannerTracing = true;
    Blank({0, 0, 470, 350});
    QCOMPARE(DrawScannerPanel(surface_, texts_, session()), 2);
    QCOMPARE(WrongIcon(Icon::Map, layout::ScannerIcon, MapDots({{23, 243}, {44, 258}, {32, 249}})), QString());
    QCOMPARE(WrongIcon(Icon::LiveShip, layout::QuadrantIcon), QString());
  }

  void theFiguresTakeTheSingularForOneShipAndWaitForTheFirstShot() {
    PlaceShip(6, 0, 0, ScanAxis::Y);  // the Y = 0 sector
    grid().Enemy[QuadrantIndex(8, 0, 8)] = 1;
    state().ShipsDestroyed = 59;
    DrawScannerPanel(surface_, texts_, session());
    QCOMPARE(Text(texts_.SectorShips), QString("1 Roder Ship"));
    QCOMPARE(Text(texts_.ShipsRemaining), QString("1 Ship Remains"));
    QCOMPARE(Text(texts_.KillRatio), QString(" "));
  }

  // The figures of an empty board are the main window's first paint.
  void withNoGameTheProgramIconStandsInAndTheSectorIsStillRecorded() {
    session().InProgress = false;
    grid() = QuadrantGrid{};
    PlaceShip(0, 0, 0, ScanAxis::Z);
    QCOMPARE(DrawScannerPanel(surface_, texts_, session()), 0);
    QCOMPARE(WrongIcon(Icon::Program, layout::QuadrantIcon), QString());
    QCOMPARE(WrongIcon(Icon::Map, layout::ScannerIcon), QString());
    QCOMPARE(session().Log.Sector[0].Scanned, 1);
  }
};

QTEST_MAIN(PanelsTest)
#include "panels_test.moc"
