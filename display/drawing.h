#pragma once

#include "engine/identifiers.h"
#include "platform/color.h"
#include "platform/rect.h"
#include "display/surface.h"

namespace kestravane {

// The game's small drawing library, used by the panels and the scanner view.

inline constexpr platform::Color BackgroundColor{192, 192, 192};
inline constexpr platform::Color ShadowColor{128, 128, 128};
inline constexpr platform::Color LightColor{255, 255, 255};

// right - left and bottom - top; 0 for a missing or empty rectangle.
int RectWidth(const platform::Rect* rect);
int RectHeight(const platform::Rect* rect);

// A sunken frame along the rectangle's edges: shadow at the top and left,
// light at the bottom and right.
void Draw3DFrame(Surface& surface, const platform::Rect& rect);

// The etched line along the top of `rect`, under the menu bar.
void DrawEtchedLine(Surface& surface, const platform::Rect& rect);

// Icons and bitmaps from the resources, drawn at their own size with their
// top-left corner at the rectangle's. False after an error box naming the
// routine when the resource cannot be loaded; nothing is drawn then.
bool Draw_Icon(Surface& surface, Icon id, const platform::Rect& rect);
bool DrawPicture(Surface& surface, Bitmap id, const platform::Rect& rect);

}  // namespace kestravane
