#pragma once

#include "engine/identifiers.h"
#include "engine/quadrant_grid.h"
#include "engine/sector.h"

namespace kestravane {

// Whether the scanner shows the quadrant's enemy ship: a destroyed one
// always, a live one only while the scanner traces them.
bool ShipShown(const QuadrantGrid& grid, Quadrant quadrant, bool tracing);

// The icon a quadrant shows on the scanner and as the quadrant picture: a
// destroyed ship, a live ship while the scanner traces them, else its own
// star field. A live ship that is not traced looks like open space.
Icon CellIcon(const QuadrantGrid& grid, Quadrant quadrant, bool tracing);

// Hit by a missile and found empty: the scanner frames such a cell in grey.
bool SearchedEmpty(const QuadrantGrid& grid, Quadrant quadrant);

}  // namespace kestravane
