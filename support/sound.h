#pragma once

#include "engine/identifiers.h"
#include "platform/sound.h"

namespace kestravane {

// The game's sounds are wave resources played in the background; a new one
// cuts off the one still playing.

// Starts sound `id` on `output`. False when the resource is missing or
// cannot be played, after an error box that says why if `boxOnFailure`.
bool PlayWave(platform::SoundOutput& output, Sound id, bool boxOnFailure);

// Sounds the system's alert.
void AlertBeep();

}  // namespace kestravane
