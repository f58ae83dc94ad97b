// Feeds arbitrary bytes to the game as a document. Whatever the bytes, the reader must either hand over a game the
// engine can play, whole and consistent, or refuse it.

#include <cstdint>

#include "document_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (CheckAccepted({data, size})) Check(size >= GameFileSize);
  return 0;
}
