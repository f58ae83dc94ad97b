// How long the game takes to build a universe and to count a sector.

#include <benchmark/benchmark.h>

#include "engine/generation.h"
#include "engine/random.h"
#include "engine/sector.h"

namespace {

QuadrantGrid grid;
GameState state;
ScanLog scans;

void GenerateUniverse(benchmark::State& run) {
  SeedRandom(1);
  state.Difficulty = 2;
  for (auto _ : run) {
    GenerateGame(grid, state, scans);
    benchmark::DoNotOptimize(grid);
  }
}
BENCHMARK(GenerateUniverse);

void CountSector(benchmark::State& run) {
  SeedRandom(1);
  state.Difficulty = 2;
  GenerateGame(grid, state, scans);
  state.ScanAxis = static_cast<int>(run.range(0));
  int coordinate = 0;
  for (auto _ : run) {
    state.Z = state.Y = state.X = coordinate;
    coordinate = (coordinate + 1) % AxisLength;
    benchmark::DoNotOptimize(CountSectorShips(grid, state));
    benchmark::DoNotOptimize(CountSectorDestroyed(grid, state));
  }
}
BENCHMARK(CountSector)->Arg(ScanZ)->Arg(ScanY)->Arg(ScanX);

void RecordScan(benchmark::State& run) {
  SeedRandom(1);
  state.Difficulty = 2;
  GenerateGame(grid, state, scans);
  for (auto _ : run) benchmark::DoNotOptimize(RecordSectorScan(grid, state, scans));
}
BENCHMARK(RecordScan);

}  // namespace
