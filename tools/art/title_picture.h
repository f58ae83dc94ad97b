#pragma once

#include <QStringList>

#include "indexed_image.h"

namespace kestravane::art {

// Bitmap 1000: the title picture of the splash and About window, which takes
// its size from it, in the language of the translation installed while
// drawing. Words wider than the picture are named in `misfits`.
IndexedImage TitlePicture(QStringList& misfits);

}  // namespace kestravane::art
