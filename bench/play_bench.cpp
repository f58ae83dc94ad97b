// How long the rules of play take without a screen: one shot's work (the
// flight excluded) and a whole game played to victory.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "engine/game_flow.h"
#include "engine/navigation.h"
#include "engine/targeting.h"
#include "engine/weapons.h"

using namespace kestravane;

namespace {

// Shots at the 81 quadrants of the sector in turn, aiming included: hits
// and misses first, wasted missiles after; the supply is refilled unseen.
void OneShot(benchmark::State& run) {
  Session session;
  session.Random.Seed(1207);
  session.State.Difficulty = Difficulty::Easy;
  StartNewGame(session);
  GameState& state = session.State;
  int cell = 0;
  for (auto _ : run) {
    if (state.Missiles.Value == 0) state.Missiles.Value = state.Missiles.Maximum;
    Retarget(session, {cell / 9 % 9, cell % 9});
    ++cell;
    const Launch launch = LaunchMissile(session);
    benchmark::DoNotOptimize(StrikeTarget(session, *launch.Flight));
  }
}
BENCHMARK(OneShot);

// New game, then along the Z sectors from the start, aim at every ship and
// fire: sixty kills, a few moves, the victory.
void WholeGameToVictory(benchmark::State& run) {
  std::uint32_t gameNumber = 1;
  for (auto _ : run) {
    Session session;
    session.Random.Seed(gameNumber++);
    session.State.Difficulty = Difficulty::Hard;
    StartNewGame(session);
    GameState& state = session.State;
    std::vector<Quadrant> ships;
    for (int i = 0; i < QuadrantCount; ++i)
      if (session.Grid.Enemy[i]) ships.push_back({i / 81, i / 9 % 9, i % 9});
    const int startZ = state.Z;
    std::stable_sort(ships.begin(), ships.end(), [startZ](const Quadrant& a, const Quadrant& b) {
      return (a.Z - startZ + 9) % 9 < (b.Z - startZ + 9) % 9;
    });
    Outcome last;
    for (const Quadrant& ship : ships) {
      while (state.Z != ship.Z) EngageEngines(session);
      Retarget(session, {ship.Y, ship.X});
      last = FireMissile(session);
    }
    if (last.Ended != GameEnd::Won) run.SkipWithError("the game was not won");
    benchmark::DoNotOptimize(session);
  }
}
BENCHMARK(WholeGameToVictory);

}  // namespace
