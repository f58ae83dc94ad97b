#pragma once

#include "engine/session.h"
#include "platform/window.h"

// The main window's paint handler: the etched line under the menu bar, the
// frames of the scanner view and the status line, the sector grid or the
// picture in its place, and the three panels.
void PaintMainWindow(platform::Window* window, Session& session);
