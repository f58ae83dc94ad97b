#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Builds wave file images chunk by chunk, so that the sound tests can make
// well-formed, odd and broken ones alike.
using Bytes = std::vector<std::uint8_t>;

inline void PutU16(Bytes& bytes, unsigned value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void PutU32(Bytes& bytes, std::uint32_t value) {
  PutU16(bytes, value & 0xffff);
  PutU16(bytes, value >> 16);
}

// A chunk with its header; odd bodies get their pad byte.
inline Bytes Chunk(std::string_view tag, const Bytes& body) {
  Bytes chunk(tag.begin(), tag.end());
  PutU32(chunk, static_cast<std::uint32_t>(body.size()));
  chunk.insert(chunk.end(), body.begin(), body.end());
  if (body.size() % 2) chunk.push_back(0);
  return chunk;
}

inline Bytes FormatChunk(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits) {
  const unsigned blockAlign = channels * bits / 8;
  Bytes body;
  PutU16(body, tag);
  PutU16(body, channels);
  PutU32(body, rate);
  PutU32(body, rate * blockAlign);
  PutU16(body, blockAlign);
  PutU16(body, bits);
  return Chunk("fmt ", body);
}

inline Bytes WaveFile(const std::vector<Bytes>& chunks) {
  Bytes body{'W', 'A', 'V', 'E'};
  for (const Bytes& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
  Bytes file{'R', 'I', 'F', 'F'};
  PutU32(file, static_cast<std::uint32_t>(body.size()));
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

// A plain PCM wave of `samples`.
inline Bytes PcmWave(unsigned channels, std::uint32_t rate, unsigned bits, const Bytes& samples) {
  return WaveFile({FormatChunk(1, channels, rate, bits), Chunk("data", samples)});
}
