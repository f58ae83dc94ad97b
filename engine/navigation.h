#pragma once

#include "engine/outcome.h"
#include "engine/sector.h"
#include "engine/session.h"

namespace kestravane {

// The ship moves in whole sectors, and every move costs one fuel unit
// whatever its distance.

// One sector forward along the scan axis, from 8 round to 0.
Outcome EngageEngines(Session& session);

// One sector back along the scan axis, from 0 round to 8.
Outcome ReverseEngines(Session& session);

// The helm's orders: the ship goes straight to `destination`, however far,
// and the scanner turns to `scanAxis`, all for the one fuel unit of a move.
Outcome SteerTo(Session& session, Quadrant destination, ScanAxis scanAxis);

// The ship has been put where it is going: spends the fuel unit and reports
// the new sector, or loses the game when the tank was already empty. The
// ship stays where it was put either way.
Outcome MoveShip(Session& session);

}  // namespace kestravane
