#pragma once

#include "engine/outcome.h"
#include "engine/session.h"

namespace kestravane {

// How a game begins and ends in the session, whatever started it.

// A fresh universe at the state's Difficulty, open and ready to play. Its
// number is the random source's state: the same number, the same universe.
Outcome StartNewGame(Session& session);

// A game read from a document has taken the session's records: it is open.
Outcome GameOpened(Session& session);

// No game open: the board is cleared. The difficulty and the gauges' maxima
// stay, for the panels and the next game.
Outcome ClearGame(Session& session);

// Before New, Open, Close or Save: a picture on the scanner goes, whether
// the command then goes through or is cancelled.
Outcome BeginDocumentCommand(Session& session);

// After one of them went through (`done`) or was cancelled: one that went
// through leaves tracing off.
void EndDocumentCommand(Session& session, bool done);

}  // namespace kestravane
