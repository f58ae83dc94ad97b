#pragma once

// What every document the reader accepts must hold, counted here afresh
// from the rules of the game rather than taken from the reader's checks.

#include <algorithm>
#include <numeric>
#include <span>
#include <variant>

#include "document/game_file_format.h"
#include "fuzz_check.h"

using namespace kestravane;

inline bool Within(int value, int low, int high) { return value >= low && value <= high; }

// Reads `bytes` as a document; a game the reader accepts must be one the
// engine can play, whole and consistent. True when it was accepted.
inline bool CheckAccepted(std::span<const std::uint8_t> bytes) {
  const auto decoded = DecodeGameFile(bytes);
  const LoadedGame* accepted = std::get_if<LoadedGame>(&decoded);
  if (!accepted) return false;
  const LoadedGame& game = *accepted;
  Session session;
  ApplyLoadedGame(game, session);
  const GameState& state = session.State;
  Check(Within(state.Z, 0, 8) && Within(state.Y, 0, 8) && Within(state.X, 0, 8));
  // The file's own numbers: axes 0 to 2, levels 1 (Hard) to 3 (Easy).
  const int level = static_cast<int>(state.Difficulty);
  Check(Within(static_cast<int>(state.Axis), 0, 2) && Within(level, 1, 3));
  // A level lowered in play keeps the supplies the game has, so any level
  // may hold up to Easy's 360 missiles and 150 fuel units, and no more.
  Check(Within(state.Missiles.Value, 0, 360) && Within(state.Fuel.Value, 0, 150));
  // Each gauge reaches to its level's supply (120 missiles and 50 fuel units
  // a level), or to what the game holds when that is more.
  Check(state.Missiles.Maximum == std::max(120 * level, state.Missiles.Value));
  Check(state.Fuel.Maximum == std::max(50 * level, state.Fuel.Value));
  for (const std::int32_t icon : game.Grid.StarIcon) Check(Within(icon, 10001, 10200));

  // Sixty ships, marks of 0 or 1, one kill counted for each struck ship, and a
  // scan log that reports, for each sector scanned, what the grid holds there.
  const QuadrantGrid& grid = game.Grid;
  int sectorShips[3][9] = {}, sectorWrecks[3][9] = {};
  for (int cell = 0; cell < QuadrantCount; ++cell) {
    Check(Within(grid.Enemy[cell], 0, 1) && Within(grid.Struck[cell], 0, 1));
    const int coordinates[3] = {cell / 81, cell / 9 % 9, cell % 9};
    for (int axis = 0; axis < 3; ++axis) {
      sectorShips[axis][coordinates[axis]] += grid.Enemy[cell];
      sectorWrecks[axis][coordinates[axis]] += grid.Enemy[cell] * grid.Struck[cell];
    }
  }
  Check(std::reduce(sectorShips[0], sectorShips[0] + 9) == 60 && game.Record.EnemyShips == 60);
  Check(game.Record.ShipsDestroyed == std::reduce(sectorWrecks[0], sectorWrecks[0] + 9));
  for (int axis = 0; axis < 3; ++axis)
    for (int coordinate = 0; coordinate < 9; ++coordinate) {
      const SectorScan& scan = game.Log.Sector[axis * 9 + coordinate];
      Check(scan.Scanned == 0 ? scan.Ships == 0 && scan.Destroyed == 0 && scan.Remaining == 0
                              : scan.Scanned == 1 && scan.Ships == sectorShips[axis][coordinate] &&
                                    scan.Destroyed == sectorWrecks[axis][coordinate] &&
                                    scan.Remaining == scan.Ships - scan.Destroyed);
    }
  return true;
}
