#pragma once

#include <cstdint>
#include <vector>

namespace kestravane::art {

// The icon, bitmap and wave formats all store their fields least significant
// byte first, whatever machine writes them.
inline void PutU8(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

inline void PutU16(std::vector<std::uint8_t>& out, unsigned value) {
  PutU8(out, value);
  PutU8(out, value >> 8);
}

inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

inline void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) PutU8(out, static_cast<unsigned char>(tag[i]));
}

}  // namespace kestravane::art
