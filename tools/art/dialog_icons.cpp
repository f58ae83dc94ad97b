#include "dialog_icons.h"

#include <QImage>
#include <cmath>
#include <numbers>

#include "canvas.h"
#include "glyph.h"

namespace kestravane::art {

IndexedImage HelmIcon() {
  QImage icon = BlankIcon(true);
  for (int spoke = 0; spoke < 8; ++spoke) {
    const double angle = spoke * std::numbers::pi / 4 + std::numbers::pi / 8;
    const double dx = std::cos(angle);
    const double dy = std::sin(angle);
    DrawLine(icon, 16, 16, static_cast<int>(std::lround(16 + 11 * dx)),
             static_cast<int>(std::lround(16 + 11 * dy)), Olive);
    FillDisc(icon, 16 + 0.5 + 12.6 * dx, 16 + 0.5 + 12.6 * dy, 1.7, Maroon);
  }
  FillDisc(icon, 16.5, 16.5, 10.2, Olive, 7.6);
  FillDisc(icon, 16.5, 16.5, 3.4, Yellow);
  Plot(icon, 16, 16, Olive);
  // Polished brass catches the light on the upper left of the rim.
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const double dx = x - 16.0;
      const double dy = y - 16.0;
      const double distance = std::sqrt(dx * dx + dy * dy);
      if (distance > 8.2 && distance < 9.4 && dx + dy < -7) Plot(icon, x, y, Yellow);
    }
  }
  OutlineAround(icon, Black);
  return Quantise(icon, true);
}

IndexedImage AimIcon() {
  QImage icon = BlankIcon(true);
  FillDisc(icon, 16, 16, 14.2, Red);
  FillDisc(icon, 16, 16, 11.4, White);
  FillDisc(icon, 16, 16, 8.6, Red);
  FillDisc(icon, 16, 16, 5.8, White);
  FillDisc(icon, 16, 16, 3.0, Red);
  OutlineDrawn(icon, Maroon);
  // The sights: a black cross with a gap over the bull's eye.
  for (const int across : {15, 16}) {
    DrawLine(icon, across, 0, across, 11, Black);
    DrawLine(icon, across, 20, across, 31, Black);
    DrawLine(icon, 0, across, 11, across, Black);
    DrawLine(icon, 20, across, 31, across, Black);
  }
  return Quantise(icon, true);
}

IndexedImage ScannerLogIcon() {
  QImage icon = BlankIcon(true);
  FillRect(icon, 5, 3, 22, 28, Maroon);
  FillRect(icon, 8, 7, 16, 21, White);
  FillRect(icon, 12, 1, 8, 5, Silver);
  OutlineDrawn(icon, Black);
  FillRect(icon, 14, 2, 4, 2, Grey);
  // The logged sectors: an entry per line, the last one ringed in red.
  const int lengths[] = {13, 10, 12, 8, 11, 9};
  for (int line = 0; line < 6; ++line) {
    const int y = 10 + 3 * line;
    DrawLine(icon, 10, y, 11, y, line == 5 ? Red : Blue);
    DrawLine(icon, 13, y, 9 + lengths[line], y, Navy);
  }
  DrawLine(icon, 25, 4, 25, 30, Black);
  DrawLine(icon, 6, 30, 26, 30, Black);
  return Quantise(icon, true);
}

IndexedImage SoundIcon() {
  QImage icon = BlankIcon(true);
  FillRect(icon, 3, 12, 7, 8, Grey);
  FillPolygon(icon, {{9, 12}, {16, 5}, {18, 5}, {18, 27}, {16, 27}, {9, 20}}, Silver);
  OutlineDrawn(icon, Black);
  DrawLine(icon, 10, 13, 16, 7, White);
  // Three waves spreading to the right.
  for (int y = 0; y < 32; ++y) {
    for (int x = 20; x < 32; ++x) {
      const double dx = x + 0.5 - 16;
      const double dy = y + 0.5 - 16;
      if (std::abs(dy) > dx * 1.1) continue;
      const double distance = std::sqrt(dx * dx + dy * dy);
      for (const double radius : {6.5, 10.5, 14.5}) {
        if (std::abs(distance - radius) < 0.75) Plot(icon, x, y, Blue);
      }
    }
  }
  return Quantise(icon, true);
}

IndexedImage HelpIcon() {
  QImage icon = BlankIcon(true);
  FillDisc(icon, 16, 16, 14.8, Blue);
  OutlineDrawn(icon, Navy);
  FillDisc(icon, 11, 10, 2.2, Aqua);
  PaintGlyph(icon, 11, 7,
             {"..XXXXXX..",
              ".XXXXXXXX.",
              "XXX....XXX",
              "XXX....XXX",
              ".......XXX",
              "......XXX.",
              ".....XXX..",
              "....XXX...",
              "....XXX...",
              "....XXX...",
              "..........",
              "....XXX...",
              "....XXX...",
              "....XXX..."},
             White);
  return Quantise(icon, true);
}

}  // namespace kestravane::art
