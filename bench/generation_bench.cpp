// How long the game takes to build a universe and to count a sector.

#include <benchmark/benchmark.h>

#include "engine/generation.h"
#include "engine/sector.h"

using namespace kestravane;

namespace {

Session GeneratedSession() {
  Session session;
  session.State.Difficulty = Difficulty::Normal;
  GenerateGame(session);
  return session;
}

void GenerateUniverse(benchmark::State& run) {
  Session session;
  session.State.Difficulty = Difficulty::Normal;
  for (auto _ : run) {
    GenerateGame(session);
    benchmark::DoNotOptimize(session.Grid);
  }
}
BENCHMARK(GenerateUniverse);

void CountSector(benchmark::State& run) {
  Session session = GeneratedSession();
  const QuadrantGrid& grid = session.Grid;
  GameState& state = session.State;
  state.Axis = static_cast<ScanAxis>(run.range(0));
  int coordinate = 0;
  for (auto _ : run) {
    state.Z = state.Y = state.X = coordinate;
    coordinate = (coordinate + 1) % AxisLength;
    benchmark::DoNotOptimize(CountSectorShips(grid, state));
    benchmark::DoNotOptimize(CountSectorDestroyed(grid, state));
  }
}
BENCHMARK(CountSector)
    ->Arg(static_cast<int>(ScanAxis::Z))
    ->Arg(static_cast<int>(ScanAxis::Y))
    ->Arg(static_cast<int>(ScanAxis::X));

void RecordScan(benchmark::State& run) {
  Session session = GeneratedSession();
  for (auto _ : run) benchmark::DoNotOptimize(RecordSectorScan(session.Grid, session.State, session.Log));
}
BENCHMARK(RecordScan);

}  // namespace
