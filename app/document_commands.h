#pragma once

#include <cstdint>
#include <string>

#include "app/game_document.h"
#include "engine/session.h"
#include "support/splash.h"

namespace kestravane {

// The Game menu's document commands. Each returns true when done and false
// when the player cancelled or it failed (after its own box). There is no
// separate "modified" state: a game in progress is always offered for saving
// before it is replaced or closed, and saving a game ends it.

class MainWindow;

// What the document commands work on.
struct DocumentContext {
  MainWindow& window;
  Session& session;
  GameDocument& document;
  Splash& splash;
};

// Asks whether to save the game in progress. True: go on; false: abandon the
// command that asked.
bool QuerySaveGame(DocumentContext& context);

// Offers to save, then generates a new universe. The document keeps its path
// for the dialogs but is no longer named.
bool NewGame(DocumentContext& context);

// Offers to save, then starts universe `number`, as NewGame does.
bool NewGameInUniverse(DocumentContext& context, std::uint32_t number);

// Offers to save, then reads a game chosen in the Open dialog. After a failed
// read the document keeps its previous path and name.
bool OpenGame(DocumentContext& context);

// Offers to save, then reads the game at `path`, as OpenGame does.
bool OpenGameFile(DocumentContext& context, const std::string& path);

// Reads the game at `path`, named on the command line, into the start-up's
// empty board: nothing to ask, and only the reader's own status lines.
bool ReadGameAtStart(DocumentContext& context, const std::string& path);

// Writes the game (asking for a name first when it has none) and closes it.
bool SaveGame(DocumentContext& context);

// Clears the board after offering to save. The difficulty, the gauges'
// maxima and the path stay as they are.
bool CloseGame(DocumentContext& context);

}  // namespace kestravane
