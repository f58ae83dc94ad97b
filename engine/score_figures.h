#pragma once

#include "engine/game_state.h"
#include "engine/message.h"
#include "engine/quadrant_grid.h"

namespace kestravane {

// The five lines of figures under the scanner map: the current sector's
// ships, destroyed and remaining, the ships left in the universe, and the
// player's kill ratio.
struct ScoreFigures {
  Message SectorShips;
  Message SectorDestroyed;
  Message SectorRemaining;
  Message ShipsRemaining;
  Message KillRatio;  // a single space before the first shot
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
