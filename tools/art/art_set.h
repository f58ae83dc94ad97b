#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "indexed_image.h"

namespace art {

struct Picture {
  unsigned id;
  std::string label;
  IndexedImage image;
};

struct Sound {
  unsigned id;
  std::vector<std::int16_t> samples;
};

// Everything the game shows or plays, in resource-ID order within each kind.
struct ArtSet {
  std::vector<Picture> icons;
  std::vector<Picture> bitmaps;
  std::vector<Sound> sounds;
};

ArtSet BuildArtSet();

}  // namespace art
