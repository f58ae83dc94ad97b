#include "display/panels.h"

#include "display/drawing.h"
#include "display/gauge_bar.h"
#include "display/main_layout.h"
#include "engine/cell_picture.h"
#include "engine/score_figures.h"
#include "engine/sector.h"
#include "platform/surface.h"
#include "support/item_text.h"
#include "support/pictures.h"

namespace {

constexpr platform::Color MapDotColor{0, 0, 0};

void SetReadout(platform::Window* window, Control control, const GameState& state) {
  SetItemFormat(window, Id(control), "%d-%d-%d", state.Z, state.Y, state.X);
}

void MarkKnownShips(platform::Window* window, const Session& session) {
  for (int row = 0; row < AxisLength; ++row) {
    for (int column = 0; column < AxisLength; ++column) {
      if (ShipShown(session.Grid, SectorQuadrant(session.State, row, column), session.ScannerTracing))
        DrawMapDot(window, layout::ScannerIcon, column, row);
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

void DrawMapDot(platform::Window* window, const platform::Rect& icon, int column, int row) {
  platform::Surface* surface = platform::WindowSurface(window);
  const int x = icon.left + 3 + 3 * column;
  const int y = icon.top + 3 + 3 * row;
  platform::DrawLine(surface, x, y, x + 2, y, MapDotColor);
  platform::DrawLine(surface, x, y + 1, x + 2, y + 1, MapDotColor);
  platform::ReleaseSurface(surface);
}

void DrawSupplyNow(platform::Window* window, const GameState& state, Supply supply) {
  const bool missiles = supply == Supply::Missiles;
  const Gauge& gauge = missiles ? state.Missiles : state.Fuel;
  platform::Surface* surface = platform::WindowSurface(window);
  DrawGaugeBar(surface, missiles ? layout::MissileGauge : layout::FuelGauge, gauge);
  platform::ReleaseSurface(surface);
  SetItemFormat(window, Id(missiles ? Control::MissileCount : Control::FuelCount), "%d", gauge.Value);
}

void DrawWeaponsPanel(platform::Window* window, const GameState& state) {
  platform::Surface* surface = platform::WindowSurface(window);
  Draw3DFrame(surface, layout::WeaponsPanel);
  Draw_Icon(surface, Icon::Map, layout::WeaponsIcon);
  SetReadout(window, Control::WeaponsReadout, state);
  DrawMapDot(window, layout::WeaponsIcon, ShipColumn(state), ShipRow(state));
  DrawGauge(surface, layout::MissileGauge, state.Missiles);
  SetItemFormat(window, Id(Control::MissileCount), "%d", state.Missiles.Value);
  platform::ReleaseSurface(surface);
}

void DrawEnginesPanel(platform::Window* window, const GameState& state) {
  platform::Surface* surface = platform::WindowSurface(window);
  Draw3DFrame(surface, layout::EnginesPanel);
  Draw_Icon(surface, Icon::Engines, layout::EnginesIcon);
  SetReadout(window, Control::EnginesReadout, state);
  DrawGauge(surface, layout::FuelGauge, state.Fuel);
  SetItemFormat(window, Id(Control::FuelCount), "%d", state.Fuel.Value);
  platform::ReleaseSurface(surface);
}

int DrawScannerPanel(platform::Window* window, Session& session) {
  const GameState& state = session.State;
  platform::Surface* surface = platform::WindowSurface(window);
  Draw3DFrame(surface, layout::ScannerPanel);
  Draw_Icon(surface, Icon::Map, layout::ScannerIcon);
  SetReadout(window, Control::ScannerReadout, state);
  MarkKnownShips(window, session);
  const int remaining = RecordSectorScan(session.Grid, state, session.Log);
  Draw_Icon(surface, QuadrantPicture(session), layout::QuadrantIcon);

  const ScoreFigures figures = MakeScoreFigures(session.Grid, state);
  SetItemString(window, Id(Control::SectorShipsFigure), figures.SectorShips);
  SetItemString(window, Id(Control::SectorDestroyedFigure), figures.SectorDestroyed);
  SetItemString(window, Id(Control::SectorRemainingFigure), figures.SectorRemaining);
  SetItemString(window, Id(Control::ShipsRemainingFigure), figures.ShipsRemaining);
  SetItemString(window, Id(Control::KillRatioFigure), figures.KillRatio);
  platform::ReleaseSurface(surface);
  return remaining;
}
