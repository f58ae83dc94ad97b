#pragma once

#include "platform/rect.h"

// The game's rectangles are the platform's: client pixels, right and bottom
// exclusive.
using Rect = platform::Rect;
