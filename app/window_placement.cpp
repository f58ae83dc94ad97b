#include "app/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace kestravane {

namespace {

// Sums of coordinates from a settings file may pass the range of int.
struct Area {
  std::int64_t left, top, right, bottom;
};

Area Of(const platform::Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

bool Contains(const Area& outer, const Area& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

std::int64_t Overlap(const Area& a, const Area& b) {
  const std::int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const std::int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

// How far apart two areas are, along both axes together.
std::int64_t Distance(const Area& a, const Area& b) {
  const std::int64_t across = std::max<std::int64_t>({0, b.left - a.right, a.left - b.right});
  const std::int64_t down = std::max<std::int64_t>({0, b.top - a.bottom, a.top - b.bottom});
  return across + down;
}

// Within [low, high], or at `low` when the range is empty: a window larger
// than its screen shows its top left corner, where the caption begins.
std::int64_t Clamp(std::int64_t value, std::int64_t low, std::int64_t high) {
  return std::max(low, std::min(value, high));
}

}  // namespace

WindowOrigin KeepOnScreen(int left, int top, int width, int height, const std::vector<platform::Rect>& screens) {
  const Area window{left, top, std::int64_t{left} + width, std::int64_t{top} + height};
  const Area titleBar{window.left, window.top, window.right, window.top + TitleBarHeight};
  if (screens.empty()) return {left, top};
  for (const platform::Rect& screen : screens)
    if (Contains(Of(screen), titleBar)) return {left, top};

  const auto closer = [&](const platform::Rect& a, const platform::Rect& b) {
    const std::int64_t overlapA = Overlap(window, Of(a));
    const std::int64_t overlapB = Overlap(window, Of(b));
    if (overlapA != overlapB) return overlapA > overlapB;
    return Distance(window, Of(a)) < Distance(window, Of(b));
  };
  const Area screen = Of(*std::min_element(screens.begin(), screens.end(), closer));
  return {static_cast<int>(Clamp(window.left, screen.left, screen.right - width)),
          static_cast<int>(Clamp(window.top, screen.top, screen.bottom - height))};
}

}  // namespace kestravane
