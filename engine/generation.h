#pragma once

#include "engine/outcome.h"
#include "engine/session.h"

inline constexpr int BattleGroups = 20;
inline constexpr int ShipsPerGroup = 3;
inline constexpr int ShipsPerGame = BattleGroups * ShipsPerGroup;

// Supplies for a game of the given difficulty (3 Easy, 2 Normal, 1 Hard).
inline constexpr int MissilesFor(int difficulty) { return difficulty * 120; }
inline constexpr int FuelFor(int difficulty) { return difficulty * 50; }

// Easy, the level that gives the most supplies.
inline constexpr int EasiestDifficulty = 3;

// Builds a fresh universe for the state's Difficulty from the session's
// random source: a star field for every quadrant, twenty battle groups, the
// start position, full supplies and an empty scan log. Reports its progress.
Outcome GenerateGame(Session& session);
