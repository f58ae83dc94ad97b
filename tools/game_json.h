#pragma once

#include <nlohmann/json.hpp>

#include "engine/game_state.h"
#include "engine/quadrant_grid.h"
#include "engine/scan_log.h"

namespace kestravane {

// The game as one JSON object, keys in a fixed order for people and scripts.
nlohmann::ordered_json GameToJson(const QuadrantGrid& grid, const GameState& state, const ScanLog& log);

}  // namespace kestravane
