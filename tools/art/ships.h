#pragma once

#include "indexed_image.h"

namespace kestravane::art {

// Icon 5002: a live Roder ship as the scanner traces it, outlined in red.
IndexedImage LiveEnemyShip();

// Icon 5001: the same ship after a hit, a grey broken wreck.
IndexedImage DestroyedEnemyShip();

}  // namespace kestravane::art
