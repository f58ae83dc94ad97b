// How long one full paint of the main window takes with a game in progress:
// the frames, the 81 cells composed off-screen, the crosshair, the three
// panels with their maps, gauges and figures, and the copy to the screen.

#include <benchmark/benchmark.h>

#include "bench_window.h"
#include "engine/game_flow.h"

using namespace kestravane;

namespace {

void StartGameInProgress(Session& session) {
  session.Random.Seed(7);
  StartNewGame(session);
  session.ScannerTracing = true;  // every live ship drawn with its own icon and map dot
}

void FullPaint(benchmark::State& run, BoardView* board) {
  for (auto _ : run) {
    board->Refresh();
  }
}

}  // namespace

int main(int argc, char** argv) {
  BenchWindow bench(argv[0], "kestravane-paint-bench");
  StartGameInProgress(bench.session());

  benchmark::RegisterBenchmark("FullPaint", FullPaint, &bench.window().board())->Unit(benchmark::kMicrosecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
