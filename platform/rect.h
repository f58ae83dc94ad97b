#pragma once

#include <cstdint>

namespace kestravane::platform {

// A rectangle in pixels; right and bottom are exclusive.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

}  // namespace kestravane::platform
