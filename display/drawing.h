#pragma once

#include "engine/rect.h"
#include "platform/color.h"
#include "platform/surface.h"

// The game's small drawing library, used by the panels, the scanner view and
// the splash picture.

inline constexpr platform::Color BackgroundColor{192, 192, 192};
inline constexpr platform::Color ShadowColor{128, 128, 128};
inline constexpr platform::Color LightColor{255, 255, 255};

// right - left and bottom - top; 0 for a missing or empty rectangle.
int RectWidth(const Rect* rect);
int RectHeight(const Rect* rect);

// A sunken frame along the rectangle's edges: shadow at the top and left,
// light at the bottom and right.
void Draw3DFrame(platform::Surface* surface, const Rect& rect);

// The etched line along the top of `rect`, under the menu bar.
void DrawEtchedLine(platform::Surface* surface, const Rect& rect);

// Icon or bitmap `id` at its own size with its top-left corner at the
// rectangle's. Returns 1, or 0 after an error box naming the routine.
int Draw_Icon(platform::Surface* surface, unsigned id, const Rect& rect);
int DrawPicture(platform::Surface* surface, unsigned id, const Rect& rect);
