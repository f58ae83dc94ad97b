// Feeds arbitrary bytes to the game as a document. Whatever the bytes, the
// reader must either hand over a game the engine can play, whole and
// consistent, or refuse it.

#include <cstdint>
#include <span>
#include <variant>

#include "document_invariants.h"

using namespace kestravane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto decoded = DecodeGameFile(std::span<const std::uint8_t>(data, size));
  const LoadedGame* game = std::get_if<LoadedGame>(&decoded);
  if (!game) return 0;
  Check(size >= GameFileSize);
  CheckPlayable(*game);
  CheckConsistent(*game);
  return 0;
}
