#pragma once

#include "engine/outcome.h"
#include "engine/session.h"

namespace kestravane {

inline constexpr int BattleGroups = 20;
inline constexpr int ShipsPerGroup = 3;
inline constexpr int ShipsPerGame = BattleGroups * ShipsPerGroup;

// Supplies for a game of the given difficulty: Normal gives twice Hard's,
// Easy three times. No level chosen gives none.
inline constexpr int MissilesFor(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Hard: return 120;
    case Difficulty::Normal: return 240;
    case Difficulty::Easy: return 360;
  }
  return 0;
}

inline constexpr int FuelFor(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Hard: return 50;
    case Difficulty::Normal: return 100;
    case Difficulty::Easy: return 150;
  }
  return 0;
}

// Builds a fresh universe for the state's Difficulty from the session's
// random source: a star field for every quadrant, twenty battle groups, the
// start position, full supplies and an empty scan log. Reports its progress.
Outcome GenerateGame(Session& session);

}  // namespace kestravane
