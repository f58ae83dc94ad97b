#pragma once

#include "indexed_image.h"

namespace kestravane::art {

inline constexpr unsigned FirstStarFieldId = 10001;
inline constexpr unsigned StarFieldCount = 200;

// Star field `number` (1 to 200): the open space of one quadrant, opaque,
// only black and the star colours, and no two alike.
IndexedImage StarField(unsigned number);

// Paints a sparse scatter of faint stars on a 32 x 32 black icon, so the ship
// icons sit in the same sky as the star fields around them.
void ScatterBackgroundStars(QImage& icon, unsigned seed);

}  // namespace kestravane::art
