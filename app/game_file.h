#pragma once

#include "app/game_document.h"
#include "engine/session.h"
#include "platform/window.h"

// Writes the session's game to the document's Path. The old file is replaced
// only once the new one is complete on disk. False after a warning box owned
// by `window`; the game is unchanged either way.
bool WriteGameFile(platform::Window* window, GameDocument& document, const Session& session);

// Reads the game in the document's Path into the session, which then has a
// game open. False after a warning box; a failed read changes nothing in
// the session nor in the document but its LastError.
bool ReadGameFile(platform::Window* window, GameDocument& document, Session& session);
