#pragma once

#include <cstddef>
#include <cstdint>

namespace kestravane {

// The sound player lives in a library of its own, loaded on the first sound,
// so that the program starts without the audio system's many libraries and a
// player who keeps the sounds off never loads them at all.

// Plays a complete wave file image as platform::PlayWaveImage describes.
extern "C" __attribute__((visibility("default"))) bool KestravanePlayWave(const std::uint8_t* image, std::size_t size, int* error);

inline constexpr const char* SoundPlayerEntry = "KestravanePlayWave";
using SoundPlayerFunction = decltype(&KestravanePlayWave);

}  // namespace kestravane
