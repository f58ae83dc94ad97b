#pragma once

#include <cstdint>
#include <span>

namespace platform {

// Starts playing a complete wave file image and returns at once; the sound
// plays on. A new sound cuts off one still playing. Returns false with the
// system's error number in `error` when playback cannot start (no output
// device, an image it cannot play).
bool PlayWaveImage(std::span<const std::uint8_t> image, int& error);

// The system's alert sound.
void SystemBeep();

}  // namespace platform
