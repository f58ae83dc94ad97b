#pragma once

#include "engine/game_state.h"
#include "engine/quadrant_grid.h"
#include "engine/scan_log.h"

namespace kestravane {

// The current sector is the 9 x 9 slice through the ship along the scan axis.
// On the scanner it is laid out in rows and columns:
//   axis Z: row Y, column X;  axis Y: row Z, column X;  axis X: row Y, column Z.
// An axis other than Y or X counts as Z everywhere. A ship coordinate outside
// 0..8, which no game the program makes or reads can hold, is taken as the
// nearest edge, so nothing here ever reads outside the grid.

struct Quadrant {
  int Z;
  int Y;
  int X;

  bool operator==(const Quadrant&) const = default;
};

// A place in the scanner's 9 x 9 grid.
struct Cell {
  int Row;
  int Column;

  bool operator==(const Cell&) const = default;
};

// The scan axis, an axis other than Y or X counting as Z.
ScanAxis EffectiveAxis(const GameState& state);

// The ship's coordinate on the scan axis: the sector's fixed coordinate.
int SectorCoordinate(const GameState& state);

// The quadrant shown at `row`, `column` of the current sector.
Quadrant SectorQuadrant(const GameState& state, int row, int column);

// The row and column at which the ship (and the missile target) stands.
int ShipRow(const GameState& state);
int ShipColumn(const GameState& state);
Cell ShipCell(const GameState& state);

// The quadrant the ship is in, which is also the missile target.
Quadrant ShipQuadrant(const GameState& state);

// Where `quadrant` appears on the scanner while it looks along the state's
// axis (the quadrant need not lie in the current sector).
Cell CellOf(const GameState& state, Quadrant quadrant);

// Quadrants of the current sector with an enemy ship, dead or alive.
int CountSectorShips(const QuadrantGrid& grid, const GameState& state);

// Quadrants of the current sector with a destroyed enemy ship.
int CountSectorDestroyed(const QuadrantGrid& grid, const GameState& state);

// Writes the current sector's scan log entry and returns its Remaining.
int RecordSectorScan(const QuadrantGrid& grid, const GameState& state, ScanLog& log);

// A missile has just destroyed the ship at `quadrant`: the scanned sectors
// through it count one more destroyed and one fewer remaining.
void RecordKill(ScanLog& log, Quadrant quadrant);

}  // namespace kestravane
