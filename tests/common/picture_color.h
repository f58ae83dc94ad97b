#pragma once

#include "platform/color.h"
#include "platform/resources.h"

using namespace kestravane;

// The colour a picture's pixel has once drawn.
inline platform::Color PictureColor(const platform::Picture& picture, int x, int y) {
  const std::uint32_t argb = picture.Pixel(x, y);
  return {static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8),
          static_cast<std::uint8_t>(argb)};
}
