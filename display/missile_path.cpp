#include "display/missile_path.h"

#include <cmath>

#include "display/main_layout.h"

namespace kestravane {

namespace {

constexpr int CellSize = 32;
constexpr int PixelsPerStep = 4;

}  // namespace

std::vector<MissilePoint> MissilePath(int column, int row) {
  const platform::Rect& area = layout::ScannerArea;
  const double startX = area.left + (area.right - area.left) / 2;
  const double startY = area.bottom;
  double dx = area.left + CellSize * column + CellSize / 2 - startX;
  double dy = area.top + CellSize * row + CellSize / 2 - startY;
  // The longer direction sets the number of steps; a tie goes to the vertical.
  const double longer = std::abs(dx) > std::abs(dy) ? std::abs(dx) : std::abs(dy);
  const int steps = static_cast<int>(longer) / PixelsPerStep;
  if (steps == 0) return {};
  dx /= steps;
  dy /= steps;
  std::vector<MissilePoint> path;
  path.reserve(static_cast<std::size_t>(steps));
  // Whole pixels by truncation, each step from the start rather than from the
  // step before, so that rounding never adds up along the way.
  for (int i = 0; i < steps; ++i)
    path.push_back({static_cast<int>(startX + i * dx), static_cast<int>(startY + i * dy)});
  return path;
}

}  // namespace kestravane
