#include "display/panels.h"

#include "display/drawing.h"
#include "display/gauge_bar.h"
#include "display/main_layout.h"
#include "engine/cell_picture.h"
#include "engine/score_figures.h"
#include "engine/sector.h"

namespace kestravane {

namespace {

constexpr platform::Color MapDotColor{0, 0, 0};

std::string Readout(const GameState& state) { return LabelText("%d-%d-%d", state.Z, state.Y, state.X); }

void MarkKnownShips(Surface& surface, const Session& session) {
  for (int row = 0; row < AxisLength; ++row) {
    for (int column = 0; column < AxisLength; ++column) {
      if (ShipShown(session.Grid, SectorQuadrant(session.State, row, column), session.ScannerTracing))
        DrawMapDot(surface, layout::ScannerIcon, column, row);
    }
  }
}

// The program's own icon stands in for the quadrant while no game is open.
Icon QuadrantPicture(const Session& session) {
  if (!session.InProgress) return Icon::Program;
  const GameState& state = session.State;
  const Quadrant here = SectorQuadrant(state, ShipRow(state), ShipColumn(state));
  return CellIcon(session.Grid, here, session.ScannerTracing);
}

}  // namespace

void DrawMapDot(Surface& surface, const platform::Rect& icon, int column, int row) {
  const int x = icon.left + 3 + 3 * column;
  const int y = icon.top + 3 + 3 * row;
  DrawLine(surface, x, y, x + 2, y, MapDotColor);
  DrawLine(surface, x, y + 1, x + 2, y + 1, MapDotColor);
}

void DrawSupplyNow(Surface& surface, BoardTexts& texts, const GameState& state, Supply supply) {
  const bool missiles = supply == Supply::Missiles;
  const Gauge& gauge = missiles ? state.Missiles : state.Fuel;
  DrawGaugeBar(surface, missiles ? layout::MissileGauge : layout::FuelGauge, gauge);
  (missiles ? texts.MissileCount : texts.FuelCount) = LabelText("%d", gauge.Value);
}

void DrawWeaponsPanel(Surface& surface, BoardTexts& texts, const GameState& state) {
  Draw3DFrame(surface, layout::WeaponsPanel);
  Draw_Icon(surface, Icon::Map, layout::WeaponsIcon);
  texts.WeaponsReadout = Readout(state);
  DrawMapDot(surface, layout::WeaponsIcon, ShipColumn(state), ShipRow(state));
  DrawGauge(surface, layout::MissileGauge, state.Missiles);
  texts.MissileCount = LabelText("%d", state.Missiles.Value);
}

void DrawEnginesPanel(Surface& surface, BoardTexts& texts, const GameState& state) {
  Draw3DFrame(surface, layout::EnginesPanel);
  Draw_Icon(surface, Icon::Engines, layout::EnginesIcon);
  texts.EnginesReadout = Readout(state);
  DrawGauge(surface, layout::FuelGauge, state.Fuel);
  texts.FuelCount = LabelText("%d", state.Fuel.Value);
}

int DrawScannerPanel(Surface& surface, BoardTexts& texts, Session& session) {
  const GameState& state = session.State;
  Draw3DFrame(surface, layout::ScannerPanel);
  Draw_Icon(surface, Icon::Map, layout::ScannerIcon);
  texts.ScannerReadout = Readout(state);
  MarkKnownShips(surface, session);
  const int remaining = RecordSectorScan(session.Grid, state, session.Log);
  Draw_Icon(surface, QuadrantPicture(session), layout::QuadrantIcon);

  const ScoreFigures figures = MakeScoreFigures(session.Grid, state);
  texts.SectorShips = CatalogueLine(figures.SectorShips);
  texts.SectorDestroyed = CatalogueLine(figures.SectorDestroyed);
  texts.SectorRemaining = CatalogueLine(figures.SectorRemaining);
  texts.ShipsRemaining = CatalogueLine(figures.ShipsRemaining);
  texts.KillRatio = CatalogueLine(figures.KillRatio);
  return remaining;
}

}  // namespace kestravane
