#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reads the little-endian fields of the files and memory layouts the game
// writes (icons, bitmaps, waves), so the tests check them field
// by field and not only what a decoder makes of them. Reads past the end
// give 0, which every check then rejects.
inline unsigned FieldU8(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return at < bytes.size() ? bytes[at] : 0u;
}

inline unsigned FieldU16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return FieldU8(bytes, at) | FieldU8(bytes, at + 1) << 8;
}

inline std::uint32_t FieldU32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return FieldU16(bytes, at) | static_cast<std::uint32_t>(FieldU16(bytes, at + 2)) << 16;
}

inline std::string FieldTag(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  std::string tag;
  for (std::size_t i = at; i < at + 4 && i < bytes.size(); ++i) tag += static_cast<char>(bytes[i]);
  return tag;
}
