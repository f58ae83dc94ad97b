#pragma once

#include <cstdint>
#include <vector>

#include "indexed_image.h"

namespace kestravane::art {

// A 16-colour bitmap file, uncompressed, bottom row first.
std::vector<std::uint8_t> EncodeBitmap(const IndexedImage& image);

}  // namespace kestravane::art
