#include "dialogs/dialog_corner.h"

#include <algorithm>
#include <cstdint>

namespace kestravane {

namespace {

// A settings file may hold any 32-bit coordinate, and a screen may be smaller
// than the margin.
int PullIn(std::int32_t stored, std::int32_t low, std::int32_t edge) {
  const std::int64_t high = std::int64_t{edge} - DialogEdgeMargin;
  return static_cast<int>(std::max<std::int64_t>(low, std::min<std::int64_t>(stored, high)));
}

}  // namespace

DialogCorner DialogCornerOn(const Placement& placement, const platform::Rect& screen) {
  return {PullIn(placement.Left, screen.left, screen.right), PullIn(placement.Top, screen.top, screen.bottom)};
}

}  // namespace kestravane
