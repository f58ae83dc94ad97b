#pragma once

#include "engine/outcome.h"
#include "engine/session.h"

// The target moves to `cell` of the current sector. Free: the ship is the
// target, yet retargeting never leaves the sector and costs nothing.
Outcome Retarget(Session& session, Cell cell);
