#pragma once

#include <nlohmann/json.hpp>

#include "engine/session.h"

namespace kestravane {

// The session's game as one JSON object, keys in a fixed order for people and scripts.
nlohmann::ordered_json GameToJson(const Session& session);

}  // namespace kestravane
