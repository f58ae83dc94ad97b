#include "display/missile_mark.h"

namespace kestravane {

namespace {

constexpr platform::Color MarkColor{255, 255, 255};

}  // namespace

void DrawMissileMark(Surface& surface, MissilePoint at) {
  const auto stroke = [&surface](int x0, int y0, int x1, int y1) {
    DrawLine(surface, x0, y0, x1, y1, MarkColor, 1, PenMode::Xor);
  };
  const int x = at.x;
  const int y = at.y;
  // Each stroke leaves out its end point, so no pixel is inverted twice.
  stroke(x - 1, y - 2, x + 2, y - 2);
  stroke(x, y - 3, x, y - 2);
  stroke(x, y - 1, x, y);
}

}  // namespace kestravane
