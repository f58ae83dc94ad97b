#pragma once

#include <vector>

#include "engine/game_state.h"
#include "engine/message.h"
#include "engine/scan_log.h"

namespace kestravane {

// The scanner log's list for the nine sectors along `axis`: a heading for
// each sector, then what was found there, or that it is unexplored.
std::vector<Message> ScanLogLines(const ScanLog& log, ScanAxis axis);

}  // namespace kestravane
