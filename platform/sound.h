#pragma once

#include <cstdint>
#include <span>

#include "platform/result.h"

namespace kestravane::platform {

// Starts playing a complete wave file image and returns at once; the sound
// plays on. A new sound cuts off one still playing. Fails with the system's
// error number when playback cannot start (no output device, an image it
// cannot play).
Status PlayWaveImage(std::span<const std::uint8_t> image);

// The system's alert sound.
void SystemBeep();

}  // namespace kestravane::platform
