#pragma once

#include <cstdint>
#include <vector>

#include "indexed_image.h"

namespace kestravane::art {

// A one-image icon file: 16 colours plus the one-bit mask that says which
// pixels let the background through (all clear for an opaque icon).
std::vector<std::uint8_t> EncodeIcon(const IndexedImage& image);

}  // namespace kestravane::art
