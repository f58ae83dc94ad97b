#pragma once

#include <cstdint>

namespace platform {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Color&, const Color&) = default;
};

// From the game's packed form 0x00BBGGRR.
constexpr Color ColorFromPacked(std::uint32_t packed) {
  return {static_cast<std::uint8_t>(packed & 0xFF), static_cast<std::uint8_t>((packed >> 8) & 0xFF),
          static_cast<std::uint8_t>((packed >> 16) & 0xFF)};
}

}  // namespace platform
