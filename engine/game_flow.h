#pragma once

#include "engine/outcome.h"
#include "engine/session.h"

// How a game begins and ends in the session, whatever started it.

// A fresh universe at the state's Difficulty, open and ready to play.
Outcome StartNewGame(Session& session);

// A game read from a document has taken the session's records: it is open.
Outcome GameOpened(Session& session);

// No game open: the board is cleared. The difficulty and the gauges' maxima
// stay, for the panels and the next game.
Outcome ClearGame(Session& session);

// After New, Open, Close or Save, whether it went through (`done`) or was
// cancelled: the scanner shows the grid again, and a command that went
// through leaves tracing off. A cancelled command has redrawn nothing, so a
// picture it took off the board is repainted here.
Outcome EndDocumentCommand(Session& session, bool done);
