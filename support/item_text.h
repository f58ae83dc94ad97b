#pragma once

#include "platform/window.h"

// Formatted text into control `item` of `dialog`, at most 255 characters.
// Arguments as for the boxes: C strings and int or unsigned values.

// Catalogue text `id` filled with printf arguments; when the text cannot be
// loaded (the catalogue has shown its box) the control is left unchanged.
void SetItemString(platform::Window* dialog, int item, unsigned id, ...);

// A literal printf-style text.
void SetItemFormat(platform::Window* dialog, int item, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
