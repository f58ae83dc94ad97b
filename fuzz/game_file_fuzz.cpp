// Feeds arbitrary bytes to the game as a document. Whatever the bytes, the
// reader must either hand over a game the engine can play or refuse it.

#include <cstdint>
#include <cstdlib>
#include <span>
#include <variant>

#include "document/game_file_format.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool Within(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto decoded = DecodeGameFile(std::span<const std::uint8_t>(data, size));
  const LoadedGame* game = std::get_if<LoadedGame>(&decoded);
  if (!game) return 0;

  Session session;
  ApplyLoadedGame(*game, session);
  const GameState& state = session.State;
  Check(size >= GameFileSize);
  Check(Within(state.Z, 0, 8) && Within(state.Y, 0, 8) && Within(state.X, 0, 8));
  Check(Within(state.ScanAxis, 0, 2) && Within(state.Difficulty, 1, 3));
  Check(Within(state.Missiles.Value, 0, state.Missiles.Maximum));
  Check(Within(state.Fuel.Value, 0, state.Fuel.Maximum));
  Check(Within(state.ShipsDestroyed, 0, state.EnemyShips));
  for (const std::int32_t icon : session.Grid.StarIcon) Check(Within(icon, 10001, 10200));
  return 0;
}
