#pragma once

#include "engine/outcome.h"
#include "engine/session.h"

namespace kestravane {

// How a game ends. Either way a picture covers the sector and the ship
// buttons go off until the player resumes; play may then go on from the
// state the end left behind.

// A missile or a fuel unit was needed and none was left. The tank is full
// again, the missiles gone, and tracing shows every surviving enemy ship, so
// that the player can tour the universe to see what was missed.
Outcome EndGameLost(Session& session);

// A supply was needed and is gone: the player hears which (`gone`), then
// the game is lost.
Outcome RanOut(Session& session, Text gone);

// The last enemy ship is gone: both supplies are full again.
Outcome EndGameWon(Session& session);

// Whether the hunt is over, as a saved game shows it: every ship destroyed,
// or no missile left, so that no ship can be found any more. A lost game
// keeps no missile, whether it ran out of them or of fuel.
bool HuntOver(const GameState& state);

}  // namespace kestravane
