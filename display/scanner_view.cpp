#include "display/scanner_view.h"

#include "display/drawing.h"
#include "display/main_layout.h"
#include "engine/cell_picture.h"
#include "engine/sector.h"

namespace kestravane {

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

void DrawScanner(Surface& surface, BoardTexts& texts, const Session& session) {
  const platform::Rect& area = layout::ScannerArea;
  Surface grid(RectWidth(&area), RectHeight(&area));
  DrawScanGrid(grid, texts, session);
  CopySurface(grid, surface, area.left, area.top);
}

void DrawScanGrid(Surface& surface, BoardTexts& texts, const Session& session) {
  const GameState& state = session.State;
  texts.ScanLabel = LabelText(LabelFormat(state), SectorCoordinate(state));
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

void DrawShipMarker(Surface& surface, const GameState& state) {
  const int cx = layout::ScannerArea.left + CellSize * ShipColumn(state) + CellSize / 2;
  const int cy = layout::ScannerArea.top + CellSize * ShipRow(state) + CellSize / 2;
  DrawLine(surface, cx - MarkerArm, cy, cx + MarkerArm, cy, MarkerColor, 2);
  DrawLine(surface, cx, cy - MarkerArm, cx, cy + MarkerArm, MarkerColor, 2);
}

void FrameSearchedCell(Surface& surface, const platform::Rect& cell) {
  const platform::Rect inset{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
  FrameRect(surface, inset, SearchedColor);
}

}  // namespace kestravane
