// How long the game takes to load and to save a settings file of a megabyte,
// as a player's file may grow when other tools keep their own sections in it.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/settings.h"

using namespace kestravane;

namespace {

namespace fs = std::filesystem;

// A folder of its own for the settings file and the system profile.
class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = (fs::temp_directory_path() / "kestravane-bench-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
    setenv("XDG_CONFIG_HOME", (path_ / "config").c_str(), 1);
  }
  ~BenchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;

  std::string File(const char* name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

// The game's own sections among a thousand others of twenty keys each.
std::string MegabyteOfSettings() {
  std::string text = "; kept by the player's tools\n[Kestravane]\nFileSpec=Davuvodo.war\nTop=40\n";
  for (int section = 0; text.size() < 1000000; ++section) {
    text += "\n[Tool section " + std::to_string(section) + "]\n";
    for (int key = 0; key < 20; ++key)
      text += "Key" + std::to_string(key) + "=a value of some thirty characters\n";
  }
  return text;
}

void LoadMegabyteSettings(benchmark::State& run) {
  BenchFolder folder;
  const std::string ini = folder.File("kestravane.ini");
  std::ofstream(ini, std::ios::binary) << MegabyteOfSettings();
  for (auto _ : run) benchmark::DoNotOptimize(LoadSettings(ini));
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations() * fs::file_size(ini)));
}
BENCHMARK(LoadMegabyteSettings)->Unit(benchmark::kMillisecond);

void SaveMegabyteSettings(benchmark::State& run) {
  BenchFolder folder;
  const std::string ini = folder.File("kestravane.ini");
  std::ofstream(ini, std::ios::binary) << MegabyteOfSettings();
  AppSettings settings = LoadSettings(ini);
  for (auto _ : run) {
    ++settings.MainPlacement.Left;
    SaveSettings(settings, ini);
  }
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations() * fs::file_size(ini)));
}
BENCHMARK(SaveMegabyteSettings)->Unit(benchmark::kMillisecond);

}  // namespace
