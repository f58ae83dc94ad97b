#pragma once

#include <optional>

#include "engine/game_state.h"
#include "engine/sector.h"
#include "support/placement.h"

class QWidget;

// Runs the Aim dialog over `owner` for the target of `state`: the quadrant
// to fire at when the player fires, nothing when he cancels. Only the two
// coordinates that vary across the sector on the scanner can be typed. The
// dialog opens where `placement` says and leaves its place there when it
// closes, either way.
std::optional<Quadrant> RunAimDialog(QWidget* owner, const GameState& state, Placement& placement);
