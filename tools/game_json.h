#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "engine/captains_record.h"
#include "engine/session.h"

namespace kestravane {

// The session's game as one JSON object, keys in a fixed order for people and scripts.
nlohmann::ordered_json GameToJson(const Session& session);

// The captain's record as its file holds it, each game's end beside it as a UTC date and time.
std::string CaptainsRecordWithDates(const CaptainsRecord& record);

}  // namespace kestravane
