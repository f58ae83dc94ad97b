#pragma once

#include <optional>

#include "engine/identifiers.h"
#include "platform/rect.h"
#include "platform/surface.h"

// Icons and bitmaps from the resources, drawn at their own size with their
// top-left corner at the rectangle's. False after an error box naming the
// routine when the resource cannot be loaded; nothing is drawn then.
bool Draw_Icon(platform::Surface* surface, Icon id, const platform::Rect& rect);
bool DrawPicture(platform::Surface* surface, Bitmap id, const platform::Rect& rect);

// The size of bitmap `id` as the rectangle (0, 0, width, height), or nothing
// after an error box.
std::optional<platform::Rect> PicSize(Bitmap id);
