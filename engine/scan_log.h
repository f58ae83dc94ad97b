#pragma once

#include <cstdint>

// What the scanner reported for one sector when it last showed it.
struct SectorScan {
  std::int32_t Scanned;    // 1 once the sector has been on the scanner
  std::int32_t Ships;      // enemy ships in the sector, dead or alive
  std::int32_t Destroyed;  // of which destroyed
  std::int32_t Remaining;  // Ships - Destroyed
};

inline constexpr int SectorCount = 27;

// One entry per sector: axis x 9 + the sector's fixed coordinate.
struct ScanLog {
  SectorScan Sector[SectorCount];
};
static_assert(sizeof(ScanLog) == 432);
