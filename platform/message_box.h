#pragma once

#include <cstdint>
#include <span>

#include "platform/window.h"

namespace platform {

enum class BoxIcon { Error, Warning };

// Runs a modal box laid out by `layout` (the dialog template the message
// catalogue builds), showing `icon`, `caption` and `text`. Carriage returns in
// `text` are line breaks. Returns the ID of the button that ended the box
// (1 for OK, 2 for Escape or the close box).
int RunBox(Window* owner, std::span<const std::uint8_t> layout, BoxIcon icon,
           const char* caption, const char* text);

// The last resort when there is no memory for a box layout: the window
// system's own plain error box, without an owner.
void StockErrorBox(const char* caption, const char* text);

}  // namespace platform
