// How long one full paint of the main window takes with a game in progress:
// the frames, the 81 cells composed off-screen, the crosshair, the three
// panels with their maps, gauges and figures, and the copy to the screen.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/main_window.h"
#include "app/settings.h"
#include "engine/game_flow.h"
#include "platform/application.h"
#include "platform/window.h"
#include "support/library.h"
#include "support/splash.h"

namespace {

void StartGameInProgress(Session& session) {
  session.Random.Seed(7);
  StartNewGame(session);
  session.ScannerTracing = true;  // every live ship drawn with its own icon and map dot
}

void FullPaint(benchmark::State& run, platform::Window* window) {
  for (auto _ : run) {
    platform::InvalidateRect(window, nullptr);
    platform::UpdateWindow(window);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Measured at 1:1 on an offscreen screen, away from the player's settings.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_SCALE_FACTOR", "1", 1);
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("kestravane-paint-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  setenv("XDG_CONFIG_HOME", folder.c_str(), 1);

  platform::StartPlatform(argv[0]);
  LibraryState library = StartLibrary();
  library.IniPath = (folder / "kestravane.ini").string();
  AppSettings settings = LoadSettings(library.IniPath);
  Splash splash(library);
  MainWindow game(library, settings, splash);
  platform::Window* window = game.Create(platform::ShowMode::Normal);
  if (!window) return 1;
  StartGameInProgress(game.session());

  benchmark::RegisterBenchmark("FullPaint", FullPaint, window)->Unit(benchmark::kMicrosecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  game.session().InProgress = false;  // nothing to offer for saving on the way out
  platform::DestroyWindow(window);
  platform::StopPlatform();
  std::filesystem::remove_all(folder);
  return 0;
}
