#pragma once

namespace platform {

// True while the main window's status line exists and is visible.
bool StatusLineVisible();

// Replaces the status line's text; the line keeps a copy.
void SetStatusText(const char* text);

}  // namespace platform
