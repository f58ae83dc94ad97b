#pragma once

#include "engine/game_state.h"
#include "engine/outcome.h"

namespace kestravane {

class MainWindow;

// Puts what a rule did on the main window: the gauges that stepped at once,
// its status lines in order, its sounds (only when the player wants sounds),
// the areas and cells to repaint and the ship buttons. `state` is the game
// the outcome left behind.
void ShowOutcome(MainWindow& window, const Outcome& outcome, const GameState& state, bool sounds);

}  // namespace kestravane
