#pragma once

#include <vector>

#include "platform/rect.h"

namespace kestravane {

// The top strip of a window's frame that must lie on a screen for the
// player to see the window and drag it by its caption.
inline constexpr int TitleBarHeight = 35;

struct WindowOrigin {
  int x;
  int y;
};

// Where a window of `width` x `height` put at (`left`, `top`) goes so that
// the player can see it and move it. It stays while its title bar lies whole
// on one of `screens`; otherwise it moves whole onto the screen it overlaps
// most, or the nearest when it overlaps none, as far as that screen is large
// enough. Any coordinates a settings file can hold are taken, however far
// out. Without screens to go by, the place is kept.
WindowOrigin KeepOnScreen(int left, int top, int width, int height, const std::vector<platform::Rect>& screens);

}  // namespace kestravane
