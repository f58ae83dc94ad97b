#pragma once

#include <cstdint>
#include <vector>

namespace kestravane::art {

inline constexpr int SampleRate = 22050;

// A mono 16-bit PCM wave file image of the samples.
std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples);

}  // namespace kestravane::art
