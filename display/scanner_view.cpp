#include "display/scanner_view.h"

#include "display/drawing.h"
#include "display/main_layout.h"
#include "engine/cell_picture.h"
#include "engine/sector.h"
#include "support/item_text.h"
#include "support/pictures.h"

namespace {

constexpr int CellSize = 32;
constexpr int MarkerArm = 7;
constexpr platform::Color MarkerColor{0, 0, 255};
constexpr platform::Color SearchedColor{128, 128, 128};

const char* LabelFormat(const GameState& state) {
  switch (EffectiveAxis(state)) {
    case ScanAxis::Y: return " Y: %d ";
    case ScanAxis::X: return " X: %d ";
    default: return " Z: %d ";
  }
}

}  // namespace

void DrawScanner(platform::Window* window, platform::Surface* surface, const Session& session) {
  const platform::Rect& area = layout::ScannerArea;
  platform::Surface* grid = platform::CreateOffscreenSurface(RectWidth(&area), RectHeight(&area));
  DrawScanGrid(window, grid, session);
  platform::CopySurface(grid, surface, area.left, area.top);
  platform::DeleteOffscreenSurface(grid);
}

void DrawScanGrid(platform::Window* window, platform::Surface* surface, const Session& session) {
  const GameState& state = session.State;
  SetItemFormat(window, Id(Control::ScanLabel), LabelFormat(state), SectorCoordinate(state));
  for (int row = 0; row < AxisLength; ++row) {
    for (int column = 0; column < AxisLength; ++column) {
      const platform::Rect cell{CellSize * column, CellSize * row, CellSize * (column + 1),
                      CellSize * (row + 1)};
      const Quadrant quadrant = SectorQuadrant(state, row, column);
      Draw_Icon(surface, CellIcon(session.Grid, quadrant, session.ScannerTracing), cell);
      if (SearchedEmpty(session.Grid, quadrant)) FrameSearchedCell(surface, cell);
    }
  }
}

void DrawShipMarker(platform::Window* window, const GameState& state) {
  platform::Surface* surface = platform::WindowSurface(window);
  const int cx = layout::ScannerArea.left + CellSize * ShipColumn(state) + CellSize / 2;
  const int cy = layout::ScannerArea.top + CellSize * ShipRow(state) + CellSize / 2;
  platform::DrawLine(surface, cx - MarkerArm, cy, cx + MarkerArm, cy, MarkerColor, 2);
  platform::DrawLine(surface, cx, cy - MarkerArm, cx, cy + MarkerArm, MarkerColor, 2);
  platform::ReleaseSurface(surface);
}

void FrameSearchedCell(platform::Surface* surface, const platform::Rect& cell) {
  const platform::Rect inset{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
  platform::FrameRect(surface, inset, SearchedColor);
}
