#pragma once

#include <cstddef>
#include <cstdint>

namespace kestravane {

// The sound player lives in a library of its own, loaded on the first sound
// (see platform::SoundOutput), so that the program starts without the audio
// system's many libraries.

// A player of one sound at a time, which stops its sound when closed.
extern "C" __attribute__((visibility("default"))) void* KestravaneOpenPlayer();
extern "C" __attribute__((visibility("default"))) void KestravaneClosePlayer(void* player);

// Plays a complete wave file image as platform::SoundOutput::Play describes.
extern "C" __attribute__((visibility("default"))) bool KestravanePlayWave(void* player, const std::uint8_t* image,
                                                                          std::size_t size, int* error);

inline constexpr const char* OpenPlayerEntry = "KestravaneOpenPlayer";
inline constexpr const char* ClosePlayerEntry = "KestravaneClosePlayer";
inline constexpr const char* PlayWaveEntry = "KestravanePlayWave";
using OpenPlayerFunction = decltype(&KestravaneOpenPlayer);
using ClosePlayerFunction = decltype(&KestravaneClosePlayer);
using PlayWaveFunction = decltype(&KestravanePlayWave);

}  // namespace kestravane
