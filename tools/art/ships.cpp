#include "ships.h"

#include <QImage>

#include "canvas.h"
#include "star_fields.h"

namespace kestravane::art {
namespace {

// The Roder hull seen from above, nose to the left: a long spine, two
// forward-swept blade wings and twin engine pods at the stern.
QImage Silhouette() {
  QImage hull = BlankIcon(true);
  FillPolygon(hull, {{3, 15}, {9, 12}, {25, 12}, {29, 14}, {29, 18}, {25, 20}, {9, 20}, {3, 17}}, White);
  FillPolygon(hull, {{11, 12}, {17, 3}, {22, 3}, {23, 12}}, White);
  FillPolygon(hull, {{11, 20}, {17, 29}, {22, 29}, {23, 20}}, White);
  FillRect(hull, 20, 4, 9, 4, White);
  FillRect(hull, 20, 24, 9, 4, White);
  return hull;
}

void Copy(const QImage& shape, QImage& icon, Colour fill, int shiftX, int shiftY, auto keep) {
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (IsClear(shape, x, y) || !keep(x, y)) continue;
      Plot(icon, x + shiftX, y + shiftY, fill);
    }
  }
}

}  // namespace

IndexedImage LiveEnemyShip() {
  QImage shape = Silhouette();
  OutlineDrawn(shape, Red);

  QImage icon = BlankIcon(false);
  ScatterBackgroundStars(icon, 5002);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (IsClear(shape, x, y)) continue;
      const bool rim = shape.pixel(x, y) == ToQColor(Red).rgb();
      Plot(icon, x, y, rim ? Red : Maroon);
    }
  }
  // Spine plating, bridge windows and the glow of the engines.
  DrawLine(icon, 10, 16, 25, 16, Purple);
  DrawLine(icon, 14, 9, 18, 5, Purple);
  DrawLine(icon, 14, 23, 18, 27, Purple);
  FillRect(icon, 6, 15, 2, 2, Yellow);
  Plot(icon, 9, 15, Yellow);
  Plot(icon, 9, 16, Yellow);
  FillRect(icon, 29, 5, 1, 2, Yellow);
  FillRect(icon, 29, 25, 1, 2, Yellow);
  return Quantise(icon, false);
}

IndexedImage DestroyedEnemyShip() {
  QImage shape = Silhouette();
  OutlineDrawn(shape, Grey);

  QImage icon = BlankIcon(false);
  ScatterBackgroundStars(icon, 5001);
  // The hull breaks along a jagged line behind the wings; the bow drifts
  // forward and down, the stern back and up.
  const auto crack = [](int x, int y) { return x + (y % 3) - 1; };
  Copy(shape, icon, Silver, -1, 1, [&](int x, int y) { return crack(x, y) < 16; });
  Copy(shape, icon, Silver, 2, -1, [&](int x, int y) { return crack(x, y) > 17; });
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (shape.pixel(x, y) != ToQColor(Grey).rgb()) continue;
      if (crack(x, y) < 16) Plot(icon, x - 1, y + 1, Grey);
      if (crack(x, y) > 17) Plot(icon, x + 2, y - 1, Grey);
    }
  }
  // Scorched holes in the plating and debris scattered around the wreck.
  for (const QPoint hole : {QPoint(8, 16), QPoint(12, 18), QPoint(22, 14), QPoint(25, 16),
                            QPoint(18, 8), QPoint(20, 24)}) {
    Plot(icon, hole.x(), hole.y(), Black);
    Plot(icon, hole.x() + 1, hole.y(), Grey);
  }
  for (const QPoint bit : {QPoint(16, 2), QPoint(14, 29), QPoint(18, 30), QPoint(1, 9),
                           QPoint(30, 21), QPoint(17, 15), QPoint(16, 19)}) {
    Plot(icon, bit.x(), bit.y(), Grey);
  }
  Plot(icon, 17, 17, Silver);
  return Quantise(icon, false);
}

}  // namespace kestravane::art
