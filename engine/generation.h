#pragma once

#include "engine/outcome.h"
#include "engine/session.h"

namespace kestravane {

inline constexpr int BattleGroups = 20;
inline constexpr int ShipsPerGroup = 3;
inline constexpr int ShipsPerGame = BattleGroups * ShipsPerGroup;

// How many times Hard's supplies a level gives: Normal twice, Easy three
// times. No level chosen gives none.
inline constexpr int SupplyShare(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Hard: return 1;
    case Difficulty::Normal: return 2;
    case Difficulty::Easy: return 3;
  }
  return 0;
}

inline constexpr int MissilesFor(Difficulty difficulty) { return 120 * SupplyShare(difficulty); }
inline constexpr int FuelFor(Difficulty difficulty) { return 50 * SupplyShare(difficulty); }

// Builds a fresh universe for the state's Difficulty from the session's
// random source: a star field for every quadrant, twenty battle groups, the
// start position, full supplies and an empty scan log. Reports its progress.
Outcome GenerateGame(Session& session);

}  // namespace kestravane
