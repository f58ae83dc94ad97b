#pragma once

#include "engine/outcome.h"
#include "platform/window.h"

// Puts what a rule did on the main window: its status lines in order, its
// sounds (only when the player wants sounds), the areas to repaint and the
// ship buttons.
void ShowOutcome(platform::Window* window, const Outcome& outcome, bool sounds);
