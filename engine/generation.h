#pragma once

#include "engine/game_state.h"
#include "engine/quadrant_grid.h"
#include "engine/scan_log.h"

inline constexpr int BattleGroups = 20;
inline constexpr int ShipsPerGroup = 3;

// Supplies for a game of the given difficulty (3 Easy, 2 Normal, 1 Hard).
inline constexpr int MissilesFor(int difficulty) { return difficulty * 120; }
inline constexpr int FuelFor(int difficulty) { return difficulty * 50; }

// Builds a fresh universe for the state's Difficulty from the random source:
// a star field for every quadrant, twenty battle groups, the start position and
// full supplies. Posts its progress on the status line; draws nothing. Returns 1.
int GenerateGame(QuadrantGrid& grid, GameState& state, ScanLog& log);
