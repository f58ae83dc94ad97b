#pragma once

#include <QImage>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

#include "indexed_image.h"

namespace kestravane::art {

struct Picture {
  unsigned id;
  std::string label;
  IndexedImage image;
  // The translation a page with words was drawn in ("de", "pt_BR"); empty
  // for English, which every picture has.
  std::string language = {};
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

// Everything the game shows or plays, in resource-ID order within each kind
// (the pages of each translation after the English ones), and the program's
// icon for the desktop, smallest first. `misfits` names each page's words
// that did not fit it; a set with any is not to be written.
struct ArtSet {
  std::vector<Picture> icons;
  std::vector<Picture> bitmaps;
  std::vector<Sound> sounds;
  std::vector<DesktopPicture> desktopIcons;
  QStringList misfits;
};

// `translations` are compiled catalogues named kestravane_<language>.qm; the
// pages are drawn once in each, and kept where they differ from English.
ArtSet BuildArtSet(const QStringList& translations);

}  // namespace kestravane::art
