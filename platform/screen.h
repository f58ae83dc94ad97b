#pragma once

#include <vector>

#include "platform/rect.h"

namespace platform {

class Window;

// The primary screen's whole area in desktop coordinates.
Rect DesktopRect();

// The whole area of the screen that most of `window` is on, in desktop
// coordinates; the primary screen's for no window.
Rect ScreenRect(Window* window);

// The part of each screen that windows may use (panels and docks left out),
// in desktop coordinates.
std::vector<Rect> ScreenWorkAreas();

}  // namespace platform
