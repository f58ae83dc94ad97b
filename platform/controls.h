#pragma once

#include "platform/rect.h"
#include "platform/result.h"
#include "platform/window.h"

namespace platform {

enum class ControlKind {
  Label,         // static text, left-aligned
  CentredLabel,  // static text, centred
  PushButton,    // sends its ID as a command when clicked; "&" marks a mnemonic
  StatusLine,    // the window's one status line (platform/status_line.h)
};

// Creates a visible child control of `window` at `place` (client pixels) in
// the controls' font. Fails with the system's error number when it cannot be
// made.
Status CreateControl(Window* window, ControlKind kind, int id, const char* text, const Rect& place);

// A disabled control ignores the player and shows its text grayed.
void EnableControl(Window* window, int id, bool enabled);

}  // namespace platform
