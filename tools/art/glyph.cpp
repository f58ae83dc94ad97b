#include "glyph.h"

#include "canvas.h"

namespace kestravane::art {

void PaintGlyph(QImage& image, int left, int top, std::initializer_list<const char*> rows,
                Colour colour) {
  int y = top;
  for (const char* row : rows) {
    for (int x = 0; row[x] != '\0'; ++x) {
      if (row[x] == 'X') Plot(image, left + x, y, colour);
    }
    ++y;
  }
}

}  // namespace kestravane::art
