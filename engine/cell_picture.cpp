#include "engine/cell_picture.h"

bool ShipShown(const QuadrantGrid& grid, Quadrant quadrant, int tracing) {
  const int i = QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X);
  return grid.Enemy[i] && (grid.Struck[i] || tracing == 1);
}

unsigned CellIcon(const QuadrantGrid& grid, Quadrant quadrant, int tracing) {
  const int i = QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X);
  if (!ShipShown(grid, quadrant, tracing)) return static_cast<unsigned>(grid.StarIcon[i]);
  return grid.Struck[i] ? DestroyedShipIcon : LiveShipIcon;
}

bool SearchedEmpty(const QuadrantGrid& grid, Quadrant quadrant) {
  const int i = QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X);
  return grid.Struck[i] && !grid.Enemy[i];
}
