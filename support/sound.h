#pragma once

#include "engine/identifiers.h"

namespace kestravane {

// The game's sounds are wave resources played in the background; a new one
// cuts off the one still playing.

// Starts sound `id`. False after an error box when the resource is missing
// or cannot be played.
bool PlayWave(Sound id);

// Sounds the system's alert.
void AlertBeep();

}  // namespace kestravane
