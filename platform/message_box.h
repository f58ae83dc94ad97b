#pragma once

#include "platform/dialog_layout.h"
#include "platform/window.h"

namespace platform {

enum class BoxIcon { Error, Warning };

// The controls every box layout holds: the icon and the message beside it.
inline constexpr int BoxIconItem = 100;
inline constexpr int BoxTextItem = 101;

// Runs a modal box laid out by `layout`, showing `icon`, `caption` and `text`
// in place of what the layout's caption and its icon and message controls
// say. Carriage returns in `text` are line breaks. Returns the ID of the
// button that ended the box (2 for Escape or the close box).
int RunBox(Window* owner, const DialogLayout& layout, BoxIcon icon, const char* caption,
           const char* text);

}  // namespace platform
