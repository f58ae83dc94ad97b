#pragma once

#include "engine/outcome.h"
#include "engine/sector.h"
#include "engine/session.h"

namespace kestravane {

// The target moves to `cell` of the current sector. Free: the ship is the
// target, yet retargeting never leaves the sector and costs nothing.
Outcome Retarget(Session& session, Cell cell);

// Targeting orders for `target`, a quadrant of the current sector: the
// target (and with it the ship) goes there, free, as for a click.
Outcome AimAt(Session& session, Quadrant target);

}  // namespace kestravane
