#pragma once

#include <cstdint>
#include <span>

#include "platform/result.h"

namespace kestravane::platform {

// Where the program's sounds play. Each sound plays on once started; a new
// one cuts off one still playing. The player and the audio system's many
// libraries are loaded on the first sound, so that a player who keeps the
// sounds off never loads them.
class SoundOutput {
 public:
  SoundOutput() = default;
  ~SoundOutput();
  SoundOutput(const SoundOutput&) = delete;
  SoundOutput& operator=(const SoundOutput&) = delete;

  // Starts playing a complete wave file image and returns at once. Fails with
  // the system's error number when playback cannot start (no output device,
  // an image it cannot play, no player).
  Status Play(std::span<const std::uint8_t> image);

 private:
  void* library_ = nullptr;
  void* player_ = nullptr;
};

// The system's alert sound.
void SystemBeep();

}  // namespace kestravane::platform
