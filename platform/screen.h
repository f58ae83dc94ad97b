#pragma once

#include "platform/rect.h"

namespace platform {

// The primary screen's whole area in desktop coordinates.
Rect DesktopRect();

}  // namespace platform
