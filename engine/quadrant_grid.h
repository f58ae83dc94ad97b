#pragma once

#include <cstdint>

namespace kestravane {

inline constexpr int AxisLength = 9;
inline constexpr int QuadrantCount = AxisLength * AxisLength * AxisLength;

inline constexpr int QuadrantIndex(int z, int y, int x) { return z * 81 + y * 9 + x; }

// What every quadrant of the universe holds, one layer after the other.
struct QuadrantGrid {
  std::int32_t StarIcon[QuadrantCount];  // star-field icon, 10001..10200
  std::int32_t Struck[QuadrantCount];    // 1 once a missile has hit the quadrant
  std::int32_t Enemy[QuadrantCount];     // 1 where an enemy ship was placed
};
static_assert(sizeof(QuadrantGrid) == 8748);

}  // namespace kestravane
