// How long a missile's longest flight (68 steps, straight up) takes on the
// real main window, against the 68 step times it is paced to, with the
// machine idle and with threads spinning on every core meanwhile. The
// flight should stay within 5 % of its pace either way.

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "app/missile_flight.h"
#include "bench_window.h"
#include "display/missile_path.h"
#include "engine/game_flow.h"

using namespace kestravane;

namespace {

constexpr int Column = 4;
constexpr int Row = 0;

// Threads that keep the processors busy for as long as they live.
class Spinners {
 public:
  explicit Spinners(int count) {
    for (int i = 0; i < count; ++i)
      threads_.emplace_back([this] {
        while (!stop_.load(std::memory_order_relaxed)) {
        }
      });
  }
  ~Spinners() {
    stop_ = true;
    for (std::thread& thread : threads_) thread.join();
  }
  Spinners(const Spinners&) = delete;
  Spinners& operator=(const Spinners&) = delete;

 private:
  std::atomic<bool> stop_{false};
  std::vector<std::thread> threads_;
};

void LongestFlight(benchmark::State& run, BoardView* board) {
  using Milliseconds = std::chrono::duration<double, std::milli>;
  const Milliseconds paced = MissileStepTime * MissilePath(Column, Row).size();
  const Spinners busy(static_cast<int>(run.range(0)));
  Milliseconds worst{0};
  Milliseconds total{0};
  for (auto _ : run) {
    const auto start = std::chrono::steady_clock::now();
    FlightAnimation flight;
    // The game's own event loop paces the flight, and ends with its landing.
    flight.Fly(*board, Column, Row, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    const Milliseconds took = std::chrono::steady_clock::now() - start;
    worst = std::max(worst, took);
    total += took;
  }
  const double mean = total.count() / static_cast<double>(run.iterations());
  run.counters["paced_ms"] = paced.count();
  run.counters["mean_ms"] = mean;
  run.counters["worst_ms"] = worst.count();
  run.counters["mean_over_%"] = 100.0 * (mean - paced.count()) / paced.count();
  run.counters["worst_over_%"] = 100.0 * (worst - paced) / paced;
}

}  // namespace

int main(int argc, char** argv) {
  BenchWindow bench(argv[0], "kestravane-flight-bench");
  BoardView* board = &bench.window().board();
  Session& game = bench.session();
  game.Random.Seed(7);
  StartNewGame(game);
  // The crosshair on the target cell, as when the player fires.
  game.State.Z = 0;
  game.State.Y = Row;
  game.State.X = Column;
  game.State.Axis = ScanAxis::Z;
  board->Refresh();

  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  benchmark::RegisterBenchmark("LongestFlight", LongestFlight, board)
      ->ArgName("spinning_threads")
      ->Arg(0)
      ->Arg(cores)
      ->Arg(2 * cores)
      ->Iterations(30)
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
