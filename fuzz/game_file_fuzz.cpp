// Feeds arbitrary bytes to the game as a document. Whatever the bytes, the
// game must either load a game it can play or refuse and keep the one it had.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "document/game_file.h"
#include "document/game_file_format.h"
#include "platform/headless/headless.h"

namespace {

const std::string& DocumentPath() {
  static const std::string path = "/tmp/kestravane-fuzz-" + std::to_string(getpid()) + ".war";
  return path;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

bool Within(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::headless::MuteBoxes(true);
  {
    std::ofstream out(DocumentPath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }

  static GameDocument document;
  static QuadrantGrid grid;
  static GameState state;
  static ScanLog log;
  document.Path = DocumentPath();
  document.InProgress = document.Named = 0;
  state = GameState{};
  state.Z = 4;
  state.Difficulty = 2;
  std::memset(&grid, 0x11, sizeof grid);
  std::memset(&log, 0x22, sizeof log);
  const QuadrantGrid gridBefore = grid;
  const ScanLog logBefore = log;

  if (ReadGameFile(nullptr, document, grid, state, log)) {
    Check(size >= GameFileSize);
    Check(Within(state.Z, 0, 8) && Within(state.Y, 0, 8) && Within(state.X, 0, 8));
    Check(Within(state.ScanAxis, 0, 2) && Within(state.Difficulty, 1, 3));
    Check(Within(state.Missiles.Value, 0, state.Missiles.Maximum));
    Check(Within(state.Fuel.Value, 0, state.Fuel.Maximum));
    Check(Within(state.ShipsDestroyed, 0, state.EnemyShips));
    for (const std::int32_t icon : grid.StarIcon) Check(Within(icon, 10001, 10200));
    Check(document.InProgress == 1 && document.Named == 1);
  } else {
    Check(state.Z == 4 && state.Difficulty == 2 && state.EnemyShips == 0);
    Check(std::memcmp(&grid, &gridBefore, sizeof grid) == 0);
    Check(std::memcmp(&log, &logBefore, sizeof log) == 0);
    Check(document.InProgress == 0 && document.Named == 0);
    Check(platform::headless::Boxes().size() == 1);
  }
  platform::headless::ForgetShown();
  return 0;
}
