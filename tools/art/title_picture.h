#pragma once

#include "indexed_image.h"

namespace kestravane::art {

// Bitmap 1000: the title picture of the splash and About window, which takes
// its size from it.
IndexedImage TitlePicture();

}  // namespace kestravane::art
