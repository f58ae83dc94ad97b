#pragma once

#include <vector>

namespace kestravane {

// One place of the missile's mark in client pixels: the bottom pixel of its
// plus sign.
struct MissilePoint {
  int x = 0;
  int y = 0;

  friend bool operator==(const MissilePoint&, const MissilePoint&) = default;
};

// Where the mark shows at each step of a flight from the bottom centre of the
// scanner area to the cell at (column, row) of the sector grid: about four
// pixels a step along the longer direction, the last step one short of the
// cell's centre. Empty for a target less than a step away.
std::vector<MissilePoint> MissilePath(int column, int row);

}  // namespace kestravane
