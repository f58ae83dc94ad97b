#include "engine/cell_picture.h"

namespace kestravane {

bool ShipShown(const QuadrantGrid& grid, Quadrant quadrant, bool tracing) {
  const int i = QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X);
  return grid.Enemy[i] && (grid.Struck[i] || tracing);
}

Icon CellIcon(const QuadrantGrid& grid, Quadrant quadrant, bool tracing) {
  const int i = QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X);
  if (!ShipShown(grid, quadrant, tracing)) return static_cast<Icon>(grid.StarIcon[i]);
  return grid.Struck[i] ? Icon::DestroyedShip : Icon::LiveShip;
}

bool SearchedEmpty(const QuadrantGrid& grid, Quadrant quadrant) {
  const int i = QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X);
  return grid.Struck[i] && !grid.Enemy[i];
}

}  // namespace kestravane
