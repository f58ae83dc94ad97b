// How long one full paint of the main window takes with a game in progress:
// the frames, the 81 cells composed off-screen, the crosshair, the three
// panels with their maps, gauges and figures, and the copy to the screen.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/main_window.h"
#include "app/settings.h"
#include "document/game_document.h"
#include "engine/generation.h"
#include "engine/globals.h"
#include "engine/random.h"
#include "platform/application.h"
#include "platform/window.h"
#include "support/library.h"
#include "support/splash.h"

namespace {

platform::Window* mainWindow = nullptr;

void StartGameInProgress() {
  SeedRandom(7);
  GenerateGame(Grid, Game, Scans);
  Document.InProgress = 1;
  PictureIndex = 0;
  ScannerTracing = 1;  // every live ship drawn with its own icon and map dot
}

void FullPaint(benchmark::State& run) {
  for (auto _ : run) {
    platform::InvalidateRect(mainWindow, nullptr);
    platform::UpdateWindow(mainWindow);
  }
}
BENCHMARK(FullPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Measured at 1:1 on an offscreen screen, away from the player's settings.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_SCALE_FACTOR", "1", 1);
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("kestravane-paint-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  setenv("XDG_CONFIG_HOME", folder.c_str(), 1);

  platform::StartPlatform(argc, argv);
  InitVEZU();
  Library.IniPath = (folder / "kestravane.ini").string();
  LoadSettings(&Settings);
  RegisterSplash();
  CloseSplash();
  mainWindow = CreateMainWindow(platform::ShowMode::Normal, &Settings);
  if (!mainWindow) return 1;
  StartGameInProgress();

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  Document.InProgress = 0;  // nothing to offer for saving on the way out
  platform::DestroyWindow(mainWindow);
  platform::StopPlatform();
  std::filesystem::remove_all(folder);
  return 0;
}
