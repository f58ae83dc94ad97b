#include "engine/generation.h"

#include <array>
#include <cstring>

#include "app/status_line.h"
#include "engine/random.h"
#include "engine/sector.h"

namespace {

constexpr int StarFieldCount = LastStarIcon - FirstStarIcon + 1;
constexpr unsigned GeneratingStatus = 5000;
constexpr unsigned DetectedStatus = 5001;

// Each Z layer shows 81 different star fields; layers may repeat each other's.
void PaintStarFields(QuadrantGrid& grid) {
  for (int z = 0; z < AxisLength; ++z) {
    std::array<bool, StarFieldCount> used{};
    for (int y = 0; y < AxisLength; ++y) {
      for (int x = 0; x < AxisLength; ++x) {
        int field;
        do field = RandomUpTo(StarFieldCount - 1);
        while (used[field]);
        used[field] = true;
        grid.StarIcon[QuadrantIndex(z, y, x)] = FirstStarIcon + field;
      }
    }
  }
}

// One try at a battle group: three ships in a line from a random quadrant.
// The draws go straight into the state's position, because the crowding test
// counts the Z sector the state points at.
bool TryPlaceBattleGroup(QuadrantGrid& grid, GameState& state) {
  state.Z = RandomUpTo(8);
  state.Y = RandomUpTo(8);
  state.X = RandomUpTo(8);
  const int direction = RandomUpTo(1000) % 3;
  int cells[ShipsPerGroup];
  switch (direction) {
    case 0:
      state.X = RandomUpTo(6);
      for (int i = 0; i < ShipsPerGroup; ++i) cells[i] = QuadrantIndex(state.Z, state.Y, state.X + i);
      break;
    case 1:
      state.Y = RandomUpTo(6);
      for (int i = 0; i < ShipsPerGroup; ++i) cells[i] = QuadrantIndex(state.Z, state.Y + i, state.X);
      break;
    default:
      state.Z = RandomUpTo(6);
      for (int i = 0; i < ShipsPerGroup; ++i) cells[i] = QuadrantIndex(state.Z + i, state.Y, state.X);
      break;
  }
  if (CountSectorShips(grid, state) >= 9) return false;
  for (const int cell : cells)
    if (grid.Enemy[cell]) return false;
  for (const int cell : cells) grid.Enemy[cell] = 1;
  return true;
}

int CountUniverseShips(const QuadrantGrid& grid, GameState& state) {
  int total = 0;
  for (state.Z = 0; state.Z < AxisLength; ++state.Z) total += CountSectorShips(grid, state);
  return total;
}

}  // namespace

int GenerateGame(QuadrantGrid& grid, GameState& state, ScanLog& log) {
  ShowStatus(GeneratingStatus);
  std::memset(&log, 0, sizeof log);
  std::memset(&grid, 0, sizeof grid);
  state.ScanAxis = ScanZ;

  PaintStarFields(grid);
  for (int group = 0; group < BattleGroups; ++group)
    while (!TryPlaceBattleGroup(grid, state)) {
    }

  const int total = CountUniverseShips(grid, state);
  ShowStatus(DetectedStatus, total, total / ShipsPerGroup);

  state.X = 4;
  state.Y = 4;
  state.Z = 0;
  state.ScanAxis = ScanZ;
  state.EnemyShips = total;
  state.ShipsDestroyed = 0;
  state.Fuel.Maximum = state.Fuel.Value = FuelFor(state.Difficulty);
  state.Missiles.Maximum = state.Missiles.Value = MissilesFor(state.Difficulty);
  return 1;
}
