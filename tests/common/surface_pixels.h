#pragma once

#include <QString>
#include <functional>

#include "common/picture_color.h"
#include "platform/rect.h"
#include "display/surface.h"

using namespace kestravane;

// Compares what a surface shows with what the player should see, pixel for
// pixel. Each returns where the first wrong pixel is, as "(x, y)", or an
// empty text when every pixel is right: QCOMPARE it with QString() so that a
// failure names the place.

// The colour each pixel should have, by its place on the surface.
using ExpectedColor = std::function<platform::Color(int x, int y)>;

inline QString WrongPixel(const Surface& surface, const platform::Rect& area, const ExpectedColor& expected) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (PixelAt(surface, x, y) != expected(x, y)) return QString("(%1, %2)").arg(x).arg(y);
  return {};
}

inline QString WrongPixel(const Surface& surface, const platform::Rect& area, platform::Color color) {
  return WrongPixel(surface, area, [color](int, int) { return color; });
}

// `picture` drawn whole with its corner at (left, top), but for `inset`
// pixels along each edge.
inline QString WrongPicture(const Surface& surface, const platform::Picture& picture, int left, int top,
                            int inset = 0) {
  if (picture.IsNull()) return QStringLiteral("no picture to compare with");
  const platform::Rect area{left + inset, top + inset, left + picture.Width() - inset, top + picture.Height() - inset};
  return WrongPixel(surface, area, [&](int x, int y) { return PictureColor(picture, x - left, y - top); });
}

// A sunken frame: shadow along the top and left, light along the bottom and
// right, each line one pixel wide, and `inside` just within its corner.
inline QString WrongSunkenFrame(const Surface& surface, const platform::Rect& frame, platform::Color inside) {
  const platform::Color shadow{128, 128, 128};
  const platform::Color light{255, 255, 255};
  const struct {
    platform::Rect line;
    platform::Color color;
  } lines[] = {
      {{frame.left, frame.top, frame.right + 1, frame.top + 1}, shadow},
      {{frame.left, frame.top, frame.left + 1, frame.bottom}, shadow},
      {{frame.left, frame.bottom, frame.right + 1, frame.bottom + 1}, light},
      {{frame.right, frame.top + 1, frame.right + 1, frame.bottom + 1}, light},
      {{frame.left + 1, frame.top + 1, frame.left + 2, frame.top + 2}, inside},
  };
  for (const auto& [line, color] : lines)
    if (QString wrong = WrongPixel(surface, line, color); !wrong.isEmpty()) return wrong;
  return {};
}
