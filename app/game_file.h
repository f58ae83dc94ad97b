#pragma once

#include "app/game_document.h"
#include "engine/session.h"

namespace kestravane {

class MainWindow;

// Writes the session's game to the document's Path. The old file is replaced
// only once the new one is complete on disk. False after a warning box owned
// by `window`, whose status line tells of the file; the game is unchanged
// either way.
bool WriteGameFile(MainWindow& window, GameDocument& document, const Session& session);

// Reads the game in the document's Path into the session, which then has a
// game open. False after a warning box; a failed read changes nothing in
// the session nor in the document.
bool ReadGameFile(MainWindow& window, GameDocument& document, Session& session);

}  // namespace kestravane
