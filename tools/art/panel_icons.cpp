#include "panel_icons.h"

#include <QImage>

#include "canvas.h"

namespace kestravane::art {

IndexedImage MapIcon() {
  // The panels blacken a 2 x 2 square at (3 + 3c, 3 + 3r) to mark a cell, so
  // the squares, the border on the second row and column from each edge and
  // the black around them must sit exactly there.
  QImage icon = BlankIcon(false);
  DrawLine(icon, 1, 1, 30, 1, Silver);
  DrawLine(icon, 1, 30, 30, 30, Silver);
  DrawLine(icon, 1, 1, 1, 30, Silver);
  DrawLine(icon, 30, 1, 30, 30, Silver);
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) FillRect(icon, 3 + 3 * column, 3 + 3 * row, 2, 2, Silver);
  }
  return Quantise(icon, false);
}

IndexedImage EnginesIcon() {
  QImage icon = BlankIcon(true);
  // Exhaust plume leaving the nozzle to the right: red mantle, yellow body,
  // white-hot core.
  FillPolygon(icon, {{17, 9}, {25, 11}, {31, 16}, {25, 21}, {17, 23}}, Red);
  FillPolygon(icon, {{17, 11}, {23, 13}, {28, 16}, {23, 19}, {17, 21}}, Yellow);
  FillPolygon(icon, {{17, 14}, {21, 15}, {24, 16}, {21, 17}, {17, 18}}, White);
  // Combustion chamber and the bell of the nozzle.
  FillRect(icon, 2, 11, 9, 10, Silver);
  FillPolygon(icon, {{10, 12}, {18, 6}, {19, 6}, {19, 26}, {18, 26}, {10, 20}}, Silver);
  // Fuel lines and cooling bands.
  FillRect(icon, 4, 8, 2, 3, Grey);
  FillRect(icon, 4, 21, 2, 3, Grey);
  OutlineDrawn(icon, Black);
  for (int x = 3; x <= 9; x += 3) DrawLine(icon, x, 12, x, 19, Grey);
  DrawLine(icon, 11, 13, 17, 8, White);
  DrawLine(icon, 11, 19, 17, 24, Grey);
  DrawLine(icon, 3, 12, 9, 12, White);
  return Quantise(icon, true);
}

IndexedImage ProgramIcon() {
  QImage icon = BlankIcon(true);
  // A scanner scope: the night sky inside a silver bezel, a world rising at
  // the bottom and a Roder battle group caught in the sights.
  FillDisc(icon, 16, 16, 15.8, Grey);
  FillDisc(icon, 16, 16, 14.6, Silver);
  FillDisc(icon, 16, 16, 13.2, Navy);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const double sx = x + 0.5 - 16, sy = y + 0.5 - 16;
      if (sx * sx + sy * sy > 13.2 * 13.2) continue;
      const double px = x + 0.5 - 16, py = y + 0.5 - 41;
      const double planet = px * px + py * py;
      if (planet <= 18.0 * 18.0) Plot(icon, x, y, planet >= 17.0 * 17.0 ? Aqua : Teal);
    }
  }
  for (const QPoint star : {QPoint(7, 9), QPoint(23, 6), QPoint(26, 13), QPoint(11, 5), QPoint(5, 16)}) {
    Plot(icon, star.x(), star.y(), White);
  }
  Plot(icon, 19, 4, Silver);
  Plot(icon, 25, 19, Silver);
  for (int ship = 0; ship < 3; ++ship) FillRect(icon, 10 + 5 * ship, 12, 3, 3, Red);
  DrawLine(icon, 16, 7, 16, 10, Yellow);
  DrawLine(icon, 16, 16, 16, 19, Yellow);
  DrawLine(icon, 8, 13, 8, 13, Yellow);
  DrawLine(icon, 24, 13, 24, 13, Yellow);
  return Quantise(icon, true);
}

}  // namespace kestravane::art
