#pragma once

#include <cstdint>
#include <vector>

#include "palette.h"

class QImage;

namespace kestravane::art {

// A picture in palette indices, top row first, with an optional transparency
// mask (1 where the background shows through). This is what the icon and
// bitmap writers store.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
  std::vector<std::uint8_t> transparent;

  std::uint8_t At(int x, int y) const { return pixels[y * width + x]; }
  bool IsTransparent(int x, int y) const {
    return !transparent.empty() && transparent[y * width + x] != 0;
  }
  bool HasMask() const;
};

// Snaps every pixel to the nearest palette colour. Pixels with less than half
// coverage become transparent; the mask is kept only when `keepMask` is set,
// so an opaque picture can never carry a stray see-through pixel.
IndexedImage Quantise(const QImage& image, bool keepMask);

// The picture back in true colour (transparent pixels fully clear), as the
// desktop shows it.
QImage ToQImage(const IndexedImage& image);

}  // namespace kestravane::art
