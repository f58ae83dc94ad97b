#include "palette.h"

namespace kestravane::art {

Colour NearestColour(Rgb colour) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (int index = 0; index < static_cast<int>(Palette.size()); ++index) {
    const int dr = colour.red - Palette[index].red;
    const int dg = colour.green - Palette[index].green;
    const int db = colour.blue - Palette[index].blue;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = index;
      bestDistance = distance;
    }
  }
  return static_cast<Colour>(best);
}

}  // namespace kestravane::art
