#include "desktop_icon.h"

#include <cmath>
#include <optional>
#include <vector>

#include "indexed_image.h"
#include "palette.h"
#include "panel_icons.h"

namespace kestravane::art {
namespace {

// A rectangle of whole pixels, right and bottom edges excluded.
struct PixelBox {
  int left, top, right, bottom;
  Colour colour;
  bool Contains(double x, double y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct Disc {
  double x, y, radius;
  Colour colour;
  bool Contains(double px, double py) const {
    const double dx = px - x, dy = py - y;
    return dx * dx + dy * dy <= radius * radius;
  }
};

// The scanner scope of icon 1000 laid out for one size. The 32 x 32 icon is
// the design: one of its pixels is `scale` pixels here. Round parts keep
// their proportions and are smoothed; the ships and the sight are boxes of
// whole pixels in even widths around the middle, so they stay sharp and
// centred at every size.
struct ScopeLayout {
  Disc bezel, bevel, sky;
  Disc planet, planetCore;  // the rim of the rising world is what the core leaves
  std::vector<Disc> starDiscs;
  std::vector<PixelBox> starPixels;  // below the design size a star is one pixel
  std::vector<PixelBox> ships;
  std::vector<PixelBox> shipHulls;  // inside the rims, from twice the design size
  std::vector<PixelBox> sight;
};

struct Star {
  int x, y;  // the pixel in the 32 x 32 icon
  Colour colour;
};
constexpr Star Stars[] = {{7, 9, White},  {23, 6, White},  {26, 13, White}, {11, 5, White},
                          {5, 16, White}, {19, 4, Silver}, {25, 19, Silver}};

// An even number of pixels near `length`, never fewer than two.
int EvenPixels(double length) { return std::max(2, 2 * static_cast<int>(std::lround(length / 2))); }

ScopeLayout LayoutFor(int size) {
  const double scale = size / 32.0;
  const double middle = size / 2.0;
  ScopeLayout layout;
  // Each ring keeps at least a pixel, or the bezel would vanish at 16.
  layout.bezel = {middle, middle, 15.8 * scale, Grey};
  layout.bevel = {middle, middle, std::min(14.6 * scale, layout.bezel.radius - 1), Silver};
  layout.sky = {middle, middle, std::min(13.2 * scale, layout.bevel.radius - 1), Navy};
  layout.planet = {middle, 41 * scale, 18 * scale, Aqua};
  layout.planetCore = {middle, 41 * scale, std::min(17 * scale, layout.planet.radius - 1), Teal};

  // A star smaller than a few pixels is a square of whole pixels: smoothed,
  // it would be a grey smudge. One that would touch the bezel is left out,
  // where it would read as a flaw in the rim.
  for (const Star& star : Stars) {
    const double x = (star.x + 0.5) * scale, y = (star.y + 0.5) * scale;
    if (std::hypot(x - middle, y - middle) + std::max(1.0, 0.4 * scale) > layout.sky.radius - 1) continue;
    if (scale < 4) {
      const int side = std::max(1, static_cast<int>(std::lround(0.75 * scale)));
      const int left = static_cast<int>(x - side / 2.0 + 0.5), top = static_cast<int>(y - side / 2.0 + 0.5);
      layout.starPixels.push_back({left, top, left + side, top + side, star.colour});
    } else {
      layout.starDiscs.push_back({x, y, 0.4 * scale, star.colour});
    }
  }

  // Three ships of a battle group in a row, the middle one in the sights.
  const int centreX = size / 2;
  const int centreY = static_cast<int>(std::lround(13.5 * scale));
  const int ship = EvenPixels(3 * scale);
  const int spacing = static_cast<int>(std::lround(5 * scale));
  const int rim = scale >= 2 ? std::max(1, static_cast<int>(std::lround(scale / 2))) : 0;
  for (int offset : {-spacing, 0, spacing}) {
    const int left = centreX + offset - ship / 2, top = centreY - ship / 2;
    layout.ships.push_back({left, top, left + ship, top + ship, rim ? Maroon : Red});
    if (rim) layout.shipHulls.push_back({left + rim, top + rim, left + ship - rim, top + ship - rim, Red});
  }

  // The sight's four marks; at 16 pixels they would run into the ships.
  if (scale >= 1.5) {
    const int thick = EvenPixels(scale);
    const auto at = [scale](double units) { return static_cast<int>(std::lround(units * scale)); };
    const int half = thick / 2;
    layout.sight = {
        {centreX - half, centreY - at(6.5), centreX + half, centreY - at(2.5), Yellow},
        {centreX - half, centreY + at(2.5), centreX + half, centreY + at(6.5), Yellow},
        {centreX - at(9.5), centreY - half, centreX - at(7.5), centreY + half, Yellow},
        {centreX + at(7.5), centreY - half, centreX + at(9.5), centreY + half, Yellow},
    };
  }
  return layout;
}

// What the scope shows at one point, painted back to front; nothing outside
// the bezel.
std::optional<Colour> ColourAt(const ScopeLayout& layout, double x, double y) {
  std::optional<Colour> colour;
  if (layout.bezel.Contains(x, y)) colour = layout.bezel.colour;
  if (layout.bevel.Contains(x, y)) colour = layout.bevel.colour;
  if (!layout.sky.Contains(x, y)) return colour;
  colour = layout.sky.colour;
  if (layout.planet.Contains(x, y)) colour = layout.planet.colour;
  if (layout.planetCore.Contains(x, y)) colour = layout.planetCore.colour;
  for (const Disc& star : layout.starDiscs)
    if (star.Contains(x, y)) colour = star.colour;
  for (const PixelBox& star : layout.starPixels)
    if (star.Contains(x, y)) colour = star.colour;
  for (const auto* boxes : {&layout.ships, &layout.shipHulls, &layout.sight})
    for (const PixelBox& box : *boxes)
      if (box.Contains(x, y)) colour = box.colour;
  return colour;
}

// Each pixel is the average of a grid of samples: the round edges come out
// smooth, and the boxes, lying on whole pixels, stay exact. Integer sums keep
// the result the same on every machine.
QImage Render(const ScopeLayout& layout, int size) {
  // At 16 pixels every pixel is one sample, as in the game's own icons: a
  // smoothed rim there would be wider than the rim itself.
  const int Samples = size <= 16 ? 1 : 8;
  QImage image(size, size, QImage::Format_ARGB32);
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      int red = 0, green = 0, blue = 0, covered = 0;
      for (int sy = 0; sy < Samples; ++sy) {
        for (int sx = 0; sx < Samples; ++sx) {
          const auto colour = ColourAt(layout, px + (sx + 0.5) / Samples, py + (sy + 0.5) / Samples);
          if (!colour) continue;
          const Rgb rgb = Palette[*colour];
          red += rgb.red;
          green += rgb.green;
          blue += rgb.blue;
          ++covered;
        }
      }
      if (covered == 0) {
        image.setPixel(px, py, qRgba(0, 0, 0, 0));
        continue;
      }
      const auto average = [covered](int sum) { return (sum + covered / 2) / covered; };
      const int alpha = (covered * 255 + Samples * Samples / 2) / (Samples * Samples);
      image.setPixel(px, py, qRgba(average(red), average(green), average(blue), alpha));
    }
  }
  return image;
}

}  // namespace

QImage DesktopIcon(int size) {
  if (size == 32) return ToQImage(ProgramIcon());
  return Render(LayoutFor(size), size);
}

}  // namespace kestravane::art
