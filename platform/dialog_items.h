#pragma once

#include "platform/window.h"

namespace platform {

// Replaces the text of control `item` in `dialog` (or in the main window);
// the control keeps a copy.
void SetItemText(Window* dialog, int item, const char* text);

}  // namespace platform
