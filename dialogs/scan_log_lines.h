#pragma once

#include <vector>

#include "engine/message.h"
#include "engine/scan_log.h"

// The scanner log's list for the nine sectors along `axis` (ScanZ, ScanY or
// ScanX): a heading for each sector, then what was found there, or that it
// is unexplored.
std::vector<Message> ScanLogLines(const ScanLog& log, int axis);
