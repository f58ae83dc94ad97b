#pragma once

#include "platform/rect.h"

namespace platform {

// The primary screen's whole area in desktop coordinates.
Rect DesktopRect();

// The primary screen's vertical resolution in logical pixels per inch.
int VerticalPixelsPerInch();

}  // namespace platform
