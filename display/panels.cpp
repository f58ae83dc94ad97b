#include "display/panels.h"

#include "display/drawing.h"
#include "display/gauge_bar.h"
#include "display/main_layout.h"
#include "document/game_document.h"
#include "engine/cell_picture.h"
#include "engine/globals.h"
#include "engine/score_figures.h"
#include "engine/sector.h"
#include "platform/surface.h"
#include "support/item_text.h"

namespace {

constexpr unsigned MapIcon = 5000;
constexpr unsigned EnginesIcon = 5003;
// The program's own icon stands in for the quadrant while no game is open.
constexpr unsigned NoGameIcon = 1000;

constexpr platform::Color MapDotColor{0, 0, 0};

void SetReadout(platform::Window* window, int control, const GameState& state) {
  SetItemFormat(window, control, "%d-%d-%d", state.Z, state.Y, state.X);
}

void SetFigure(platform::Window* window, int control, const FigureLine& line) {
  if (line.Loaded) SetItemFormat(window, control, "%s", line.Text.data());
}

void MarkKnownShips(platform::Window* window, const QuadrantGrid& grid, const GameState& state) {
  for (int row = 0; row < AxisLength; ++row) {
    for (int column = 0; column < AxisLength; ++column) {
      if (ShipShown(grid, SectorQuadrant(state, row, column), ScannerTracing))
        DrawMapDot(window, state.ScannerIcon, column, row);
    }
  }
}

unsigned QuadrantPicture(const QuadrantGrid& grid, const GameState& state) {
  if (!Document.InProgress) return NoGameIcon;
  const Quadrant here = SectorQuadrant(state, ShipRow(state), ShipColumn(state));
  return CellIcon(grid, here, ScannerTracing);
}

}  // namespace

void DrawMapDot(platform::Window* window, const Rect& icon, int column, int row) {
  platform::Surface* surface = platform::WindowSurface(window);
  const int x = icon.left + 3 + 3 * column;
  const int y = icon.top + 3 + 3 * row;
  platform::DrawLine(surface, x, y, x + 2, y, MapDotColor);
  platform::DrawLine(surface, x, y + 1, x + 2, y + 1, MapDotColor);
  platform::ReleaseSurface(surface);
}

void DrawWeaponsPanel(platform::Window* window, const GameState& state) {
  platform::Surface* surface = platform::WindowSurface(window);
  Draw3DFrame(surface, state.WeaponsPanel);
  Draw_Icon(surface, MapIcon, state.WeaponsIcon);
  SetReadout(window, WeaponsReadout, state);
  DrawMapDot(window, state.WeaponsIcon, ShipColumn(state), ShipRow(state));
  DrawGauge(surface, state.Missiles);
  SetItemFormat(window, MissileCount, "%d", state.Missiles.Value);
  platform::ReleaseSurface(surface);
}

void DrawEnginesPanel(platform::Window* window, const GameState& state) {
  platform::Surface* surface = platform::WindowSurface(window);
  Draw3DFrame(surface, state.EnginesPanel);
  Draw_Icon(surface, EnginesIcon, state.EnginesIcon);
  SetReadout(window, EnginesReadout, state);
  DrawGauge(surface, state.Fuel);
  SetItemFormat(window, FuelCount, "%d", state.Fuel.Value);
  platform::ReleaseSurface(surface);
}

int DrawScannerPanel(platform::Window* window, const QuadrantGrid& grid, const GameState& state,
                     ScanLog& log) {
  platform::Surface* surface = platform::WindowSurface(window);
  Draw3DFrame(surface, state.ScannerPanel);
  Draw_Icon(surface, MapIcon, state.ScannerIcon);
  SetReadout(window, ScannerReadout, state);
  MarkKnownShips(window, grid, state);
  const int remaining = RecordSectorScan(grid, state, log);
  Draw_Icon(surface, QuadrantPicture(grid, state), state.QuadrantIcon);

  const ScoreFigures figures = MakeScoreFigures(grid, state);
  SetFigure(window, SectorShipsFigure, figures.SectorShips);
  SetFigure(window, SectorDestroyedFigure, figures.SectorDestroyed);
  SetFigure(window, SectorRemainingFigure, figures.SectorRemaining);
  SetFigure(window, ShipsRemainingFigure, figures.ShipsRemaining);
  SetFigure(window, KillRatioFigure, figures.KillRatio);
  platform::ReleaseSurface(surface);
  return remaining;
}
