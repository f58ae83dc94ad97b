#include "box_icons.h"

#include <QImage>
#include <cmath>

#include "canvas.h"
#include "glyph.h"

namespace kestravane::art {

IndexedImage WarningIcon() {
  QImage icon = BlankIcon(true);
  // Built row by row about the centre line between pixels 15 and 16, so the
  // triangle is exactly symmetric.
  for (int y = 2; y <= 29; ++y) {
    const double halfWidth = 1.0 + (y - 2) * 0.53;
    for (int x = 0; x < 32; ++x) {
      if (std::abs(x + 0.5 - 16) <= halfWidth) Plot(icon, x, y, Yellow);
    }
  }
  OutlineDrawn(icon, Black);
  PaintGlyph(icon, 14, 10,
             {".XX.", "XXXX", "XXXX", "XXXX", ".XX.", ".XX.", ".XX.", ".XX.", ".XX.", "....",
              ".XX.", "XXXX", "XXXX", ".XX."},
             Black);
  return Quantise(icon, true);
}

IndexedImage ErrorIcon() {
  QImage icon = BlankIcon(true);
  FillDisc(icon, 16, 16, 15.2, Red);
  OutlineDrawn(icon, Maroon);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const double dx = x + 0.5 - 16;
      const double dy = y + 0.5 - 16;
      if (std::abs(dx) > 8 || std::abs(dy) > 8) continue;
      if (std::abs(dx - dy) <= 1.8 || std::abs(dx + dy) <= 1.8) Plot(icon, x, y, White);
    }
  }
  return Quantise(icon, true);
}

}  // namespace kestravane::art
