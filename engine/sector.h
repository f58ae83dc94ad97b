#pragma once

#include <optional>

#include "engine/game_state.h"
#include "engine/identifiers.h"
#include "engine/message.h"
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

// Whether the scanner shows the quadrant's enemy ship: a destroyed one
// always, a live one only while the scanner traces them.
bool ShipShown(const QuadrantGrid& grid, Quadrant quadrant, bool tracing);

// The icon a quadrant shows on the scanner and as the quadrant picture: a
// destroyed ship, a live ship while the scanner traces them, else its own
// star field. A live ship that is not traced looks like open space.
Icon CellIcon(const QuadrantGrid& grid, Quadrant quadrant, bool tracing);

// Hit by a missile and found empty: the scanner frames such a cell in grey.
bool SearchedEmpty(const QuadrantGrid& grid, Quadrant quadrant);

// The five lines of figures under the scanner map: the current sector's
// ships, destroyed and remaining, the ships left in the universe, and the
// player's kill ratio.
struct ScoreFigures {
  Message SectorShips;
  Message SectorDestroyed;
  Message SectorRemaining;
  Message ShipsRemaining;
  std::optional<Message> KillRatio;  // none before the first shot
};

// Ships destroyed per missile fired, in whole percent, truncated. The
// quotient is taken first and multiplied by 100 after, so 29 kills in 100
// shots is 28 %: 0.29 in double precision falls just short.
int KillRatioPercent(int shipsDestroyed, int missilesFired);

// The missiles the kill ratio counts as fired: how far the missile gauge
// stands below its maximum.
int MissilesFired(const GameState& state);

// The figures for the sector through the ship along its scan axis.
ScoreFigures MakeScoreFigures(const QuadrantGrid& grid, const GameState& state);

}  // namespace kestravane
