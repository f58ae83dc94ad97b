#include "engine/generation.h"

#include <array>

#include "engine/sector.h"

namespace kestravane {

namespace {

constexpr int FirstStarField = Id(Icon::FirstStarField);
constexpr int StarFieldCount = Id(Icon::LastStarField) - FirstStarField + 1;

// Each Z layer shows 81 different star fields; layers may repeat each other's.
void PaintStarFields(QuadrantGrid& grid, RandomSource& random) {
  for (int z = 0; z < AxisLength; ++z) {
    std::array<bool, StarFieldCount> used{};
    for (int y = 0; y < AxisLength; ++y) {
      for (int x = 0; x < AxisLength; ++x) {
        int field;
        do field = random.UpTo(StarFieldCount - 1);
        while (used[field]);
        used[field] = true;
        grid.StarIcon[QuadrantIndex(z, y, x)] = FirstStarField + field;
      }
    }
  }
}

// One try at a battle group: three ships in a line from a random quadrant.
// The draws go straight into the state's position, because the crowding test
// counts the Z sector the state points at.
bool TryPlaceBattleGroup(QuadrantGrid& grid, GameState& state, RandomSource& random) {
  state.Z = random.UpTo(8);
  state.Y = random.UpTo(8);
  state.X = random.UpTo(8);
  const int direction = random.UpTo(1000) % 3;
  int cells[ShipsPerGroup];
  switch (direction) {
    case 0:
      state.X = random.UpTo(6);
      for (int i = 0; i < ShipsPerGroup; ++i) cells[i] = QuadrantIndex(state.Z, state.Y, state.X + i);
      break;
    case 1:
      state.Y = random.UpTo(6);
      for (int i = 0; i < ShipsPerGroup; ++i) cells[i] = QuadrantIndex(state.Z, state.Y + i, state.X);
      break;
    default:
      state.Z = random.UpTo(6);
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

Outcome GenerateGame(Session& session) {
  Outcome outcome;
  outcome.Post(Text::Generating);
  QuadrantGrid& grid = session.Grid;
  GameState& state = session.State;
  session.Log = ScanLog{};
  grid = QuadrantGrid{};
  state.Axis = ScanAxis::Z;

  PaintStarFields(grid, session.Random);
  for (int group = 0; group < BattleGroups; ++group)
    while (!TryPlaceBattleGroup(grid, state, session.Random)) {
    }

  const int total = CountUniverseShips(grid, state);
  outcome.Post(Text::ShipsDetected, total, total / ShipsPerGroup);

  state.X = 4;
  state.Y = 4;
  state.Z = 0;
  state.Axis = ScanAxis::Z;
  state.EnemyShips = total;
  state.ShipsDestroyed = 0;
  state.Fuel.Maximum = state.Fuel.Value = FuelFor(state.Difficulty);
  state.Missiles.Maximum = state.Missiles.Value = MissilesFor(state.Difficulty);
  return outcome;
}

}  // namespace kestravane
