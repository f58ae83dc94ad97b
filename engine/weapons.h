#pragma once

#include <optional>

#include "engine/outcome.h"
#include "engine/sector.h"
#include "engine/session.h"

namespace kestravane {

// One missile a shot, at the quadrant the ship is in. A shot has two
// halves with the flight between them, which the screen shows and the rules
// do not need: the launch, and the strike when the missile lands.

// A missile on its way to `Target`, seen flying to `TargetCell` of the
// scanner.
struct MissileFlight {
  Quadrant Target;
  Cell TargetCell;
};

struct Launch {
  // The missile spent and on its way, or the game lost for want of one.
  Outcome Report;
  // None when no missile was left.
  std::optional<MissileFlight> Flight;
};

Launch LaunchMissile(Session& session);

// The missile of `flight` lands: a ship there is destroyed, an empty
// quadrant is marked searched, a struck one yields nothing more.
Outcome StrikeTarget(Session& session, const MissileFlight& flight);

// A whole shot, for a game played without a screen.
Outcome FireMissile(Session& session);

}  // namespace kestravane
