#pragma once

#include <vector>

#include "platform/rect.h"

namespace kestravane::platform {

// The primary screen's whole area in desktop coordinates.
Rect DesktopRect();

// The part of each screen that windows may use (panels and docks left out),
// in desktop coordinates.
std::vector<Rect> ScreenWorkAreas();

}  // namespace kestravane::platform
