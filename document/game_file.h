#pragma once

#include "document/game_document.h"
#include "engine/game_state.h"
#include "engine/quadrant_grid.h"
#include "engine/scan_log.h"
#include "platform/window.h"

// Writes the game to the document's Path. The old file is replaced only once
// the new one is complete on disk. Returns 1, or 0 after a warning box owned by
// `window`; memory is unchanged by a failure.
int WriteGameFile(platform::Window* window, GameDocument& document, const QuadrantGrid& grid,
                  const GameState& state, const ScanLog& log);

// Reads the game in the document's Path. Returns 1, or 0 after a warning box;
// a failed read changes none of the game records nor the document's flags.
int ReadGameFile(platform::Window* window, GameDocument& document, QuadrantGrid& grid,
                 GameState& state, ScanLog& log);
