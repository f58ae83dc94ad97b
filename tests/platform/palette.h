#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

// The sixteen colours of the standard 16-colour palette, as 0xRRGGBB.
inline constexpr std::array<std::uint32_t, 16> StandardColours = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

inline constexpr std::uint32_t Opaque(std::uint32_t rgb) { return 0xFF000000u | rgb; }

inline bool InStandardPalette(std::uint32_t argb) {
  const std::uint32_t rgb = argb & 0xFFFFFF;
  return std::find(StandardColours.begin(), StandardColours.end(), rgb) != StandardColours.end();
}
