#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "indexed_image.h"

namespace kestravane::art {

struct Picture {
  unsigned id;
  std::string label;
  IndexedImage image;
};

// The program's icon at one of the sizes a desktop's icon theme asks for.
struct DesktopPicture {
  int size;
  QImage image;
};

struct Sound {
  unsigned id;
  std::vector<std::int16_t> samples;
};

// Everything the game shows or plays, in resource-ID order within each kind,
// and the program's icon for the desktop, smallest first.
struct ArtSet {
  std::vector<Picture> icons;
  std::vector<Picture> bitmaps;
  std::vector<Sound> sounds;
  std::vector<DesktopPicture> desktopIcons;
};

ArtSet BuildArtSet();

}  // namespace kestravane::art
