#include "engine/cell_picture.h"

unsigned CellIcon(const QuadrantGrid& grid, Quadrant quadrant, int tracing) {
  const int i = QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X);
  if (grid.Enemy[i] && grid.Struck[i]) return DestroyedShipIcon;
  if (grid.Enemy[i] && tracing == 1) return LiveShipIcon;
  return static_cast<unsigned>(grid.StarIcon[i]);
}

bool SearchedEmpty(const QuadrantGrid& grid, Quadrant quadrant) {
  const int i = QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X);
  return grid.Struck[i] && !grid.Enemy[i];
}
