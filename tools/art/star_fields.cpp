#include "star_fields.h"

#include <QImage>

#include "canvas.h"
#include "random.h"

namespace kestravane::art {
namespace {

constexpr int Size = 32;

bool Free(const QImage& image, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int px = x + dx;
      const int py = y + dy;
      if (px < 0 || py < 0 || px >= Size || py >= Size) continue;
      if (image.pixel(px, py) != qRgb(0, 0, 0)) return false;
    }
  }
  return true;
}

// A faint star: most are dim grey, some pale, a rare one tinted.
Colour FaintColour(Random& random) {
  const int roll = random.Below(100);
  if (roll < 62) return Grey;
  if (roll < 94) return Silver;
  return roll < 97 ? Yellow : Aqua;
}

void PlaceDots(QImage& image, Random& random, int count, int margin, auto colourOf) {
  for (int placed = 0, tries = 0; placed < count && tries < 400; ++tries) {
    const int x = margin + random.Below(Size - 2 * margin);
    const int y = margin + random.Below(Size - 2 * margin);
    if (!Free(image, x, y)) continue;
    Plot(image, x, y, colourOf(random));
    ++placed;
  }
}

// A bright star with short spikes; the big ones get a second, dimmer ring of
// spikes, like a lens flare.
void PlaceBrightStar(QImage& image, Random& random, bool large) {
  const int margin = large ? 3 : 2;
  for (int tries = 0; tries < 100; ++tries) {
    const int x = margin + random.Below(Size - 2 * margin);
    const int y = margin + random.Below(Size - 2 * margin);
    bool clear = true;
    for (int d = -margin; d <= margin && clear; ++d) {
      clear = Free(image, x + d, y) && Free(image, x, y + d);
    }
    if (!clear) continue;
    Plot(image, x, y, White);
    const Colour spike = large ? Silver : Grey;
    Plot(image, x - 1, y, spike);
    Plot(image, x + 1, y, spike);
    Plot(image, x, y - 1, spike);
    Plot(image, x, y + 1, spike);
    if (large) {
      Plot(image, x - 2, y, Grey);
      Plot(image, x + 2, y, Grey);
      Plot(image, x, y - 2, Grey);
      Plot(image, x, y + 2, Grey);
    }
    return;
  }
}

// A far cluster: a tight knot of dim dots.
void PlaceCluster(QImage& image, Random& random) {
  const int cx = 6 + random.Below(Size - 12);
  const int cy = 6 + random.Below(Size - 12);
  const int dots = 5 + random.Below(5);
  for (int i = 0; i < dots; ++i) {
    const int x = cx + random.Below(7) - 3;
    const int y = cy + random.Below(5) - 2;
    if (image.pixel(x, y) == qRgb(0, 0, 0)) Plot(image, x, y, i % 3 == 0 ? Silver : Grey);
  }
}

}  // namespace

IndexedImage StarField(unsigned number) {
  Random random(0x5EED0000ull + number);
  QImage image = BlankIcon(false);

  // Density varies from nearly empty voids to rich star clouds.
  const int richness = random.Below(10);
  const int faint = richness < 2 ? 2 + random.Below(3) : richness < 8 ? 5 + random.Below(7) : 12 + random.Below(8);
  const int medium = 1 + random.Below(richness < 2 ? 1 : richness < 8 ? 3 : 5);
  const int bright = random.Below(100) < 45 ? 1 : 0;
  const bool large = bright && random.Below(100) < 35;

  if (random.Below(100) < 12) PlaceCluster(image, random);
  if (bright) PlaceBrightStar(image, random, large);
  PlaceDots(image, random, medium, 1, [](Random&) { return White; });
  PlaceDots(image, random, faint, 0, FaintColour);
  return Quantise(image, false);
}

void ScatterBackgroundStars(QImage& icon, unsigned seed) {
  Random random(0xBAC0000ull + seed);
  PlaceDots(icon, random, 7, 0, FaintColour);
  PlaceDots(icon, random, 2, 1, [](Random&) { return White; });
}

}  // namespace kestravane::art
