#pragma once

#include "engine/game_state.h"
#include "engine/outcome.h"

namespace kestravane {

class MainWindow;

// Puts what a rule did on the main window: the gauges that stepped at once,
// its status lines in order, the areas and cells to repaint and the ship
// buttons. `state` is the game the outcome left behind. Its sounds are the
// controller's to play.
void ShowOutcome(MainWindow& window, const Outcome& outcome, const GameState& state);

}  // namespace kestravane
