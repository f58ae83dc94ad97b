#pragma once

#include <cstdint>

#include "engine/game_state.h"
#include "engine/quadrant_grid.h"

namespace kestravane {

// What the scanner reported for one sector when it last showed it.
struct SectorScan {
  std::int32_t Scanned;    // 1 once the sector has been on the scanner
  std::int32_t Ships;      // enemy ships in the sector, dead or alive
  std::int32_t Destroyed;  // of which destroyed
  std::int32_t Remaining;  // Ships - Destroyed
};

inline constexpr int SectorCount = 27;

// One entry per sector: the nine along Z, then Y, then X, each in the order
// of the sector's fixed coordinate, as a saved game keeps them.
struct ScanLog {
  SectorScan Sector[SectorCount];
};
static_assert(sizeof(ScanLog) == 432);

// Where the sector at `coordinate` along `axis` sits in the log. An axis
// other than Y or X counts as Z, as it does on the scanner.
inline constexpr int ScanLogIndex(ScanAxis axis, int coordinate) {
  switch (axis) {
    case ScanAxis::Y: return AxisLength + coordinate;
    case ScanAxis::X: return 2 * AxisLength + coordinate;
    case ScanAxis::Z: break;
  }
  return coordinate;
}
static_assert(SectorCount == 3 * AxisLength);

inline SectorScan& LoggedScan(ScanLog& log, ScanAxis axis, int coordinate) {
  return log.Sector[ScanLogIndex(axis, coordinate)];
}

inline const SectorScan& LoggedScan(const ScanLog& log, ScanAxis axis, int coordinate) {
  return log.Sector[ScanLogIndex(axis, coordinate)];
}

}  // namespace kestravane
