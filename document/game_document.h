#pragma once

#include <array>
#include <cstdint>
#include <string>

// The one game document the program has open.
struct GameDocument {
  std::string Path;              // the document's file; survives New and Close
  std::int32_t InProgress = 0;   // a game is open
  std::int32_t Named = 0;        // the game in memory was read from or written to Path
  std::uint32_t LastError = 0;   // system error number of the last failed file operation
  std::array<std::uint8_t, 256> Header{};  // staging copy of the file header
  std::array<std::uint8_t, 36> Record{};   // staging copy of the game record
};

extern GameDocument Document;
