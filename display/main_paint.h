#pragma once

#include "platform/window.h"

// The main window's paint handler: the etched line under the menu bar, the
// frames of the scanner view, the status line and the three panels.
void PaintMainWindow(platform::Window* window);
