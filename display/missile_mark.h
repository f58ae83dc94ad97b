#pragma once

#include "display/missile_path.h"
#include "display/surface.h"

namespace kestravane {

// The missile's mark at `at`: a white plus sign of 3 x 3 pixels centred two
// pixels above it, drawn in exclusive-or so that whatever lies under it stays
// visible inverted, and a second drawing at the same place gives it back.
void DrawMissileMark(Surface& surface, MissilePoint at);

}  // namespace kestravane
