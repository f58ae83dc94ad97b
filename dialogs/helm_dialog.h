#pragma once

#include <optional>

#include "engine/game_state.h"
#include "engine/sector.h"
#include "support/placement.h"

class QWidget;

// Where the helm sends the ship, and which way the scanner then looks.
struct HelmOrders {
  Quadrant Destination;
  ScanAxis Axis;

  bool operator==(const HelmOrders&) const = default;
};

// Runs the Helm dialog over `owner` for the ship of `state`: the orders when
// the player engages, nothing when he cancels. The dialog opens where
// `placement` says and leaves its place there when it closes, either way.
std::optional<HelmOrders> RunHelmDialog(QWidget* owner, const GameState& state, Placement& placement);
