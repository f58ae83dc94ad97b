#pragma once

#include "document/game_document.h"
#include "engine/game_state.h"
#include "engine/quadrant_grid.h"
#include "engine/scan_log.h"
#include "platform/window.h"

// The Game menu's document commands. Each returns 1 when done and 0 when
// the player cancelled or it failed (after its own box). There is no
// separate "modified" state: a game in progress is always offered for saving
// before it is replaced or closed, and saving a game ends it.

// Asks whether to save the game in progress. 1: go on; 0: abandon the
// command that asked.
int QuerySaveGame(platform::Window* window, GameDocument& document, QuadrantGrid& grid,
                  GameState& state, ScanLog& log);

// Offers to save, then generates a new universe. The document keeps its path
// for the dialogs but is no longer named.
int NewGame(platform::Window* window, GameDocument& document, QuadrantGrid& grid,
            GameState& state, ScanLog& log);

// Offers to save, then reads a game chosen in the Open dialog. After a failed
// read the document keeps its previous path and name.
int OpenGame(platform::Window* window, GameDocument& document, QuadrantGrid& grid,
             GameState& state, ScanLog& log);

// Writes the game (asking for a name first when it has none) and closes it.
int SaveGame(platform::Window* window, GameDocument& document, QuadrantGrid& grid,
             GameState& state, ScanLog& log);

// Clears the board after offering to save. The difficulty, the gauges'
// maxima and the layout stay as they are.
int CloseGame(platform::Window* window, GameDocument& document, QuadrantGrid& grid,
              GameState& state, ScanLog& log);
