#pragma once

#include <QImage>
#include <initializer_list>

#include "palette.h"

namespace kestravane::art {

// Paints a small hand-drawn glyph: each string is one row, 'X' marks a pixel.
// Icons too small for a font's letters use these.
void PaintGlyph(QImage& image, int left, int top, std::initializer_list<const char*> rows,
                Colour colour);

}  // namespace kestravane::art
