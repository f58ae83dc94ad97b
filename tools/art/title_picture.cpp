#include "title_picture.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "canvas.h"
#include "fonts.h"
#include "page.h"
#include "random.h"
#include "ships.h"

namespace kestravane::art {
namespace {

constexpr int Width = 320;
constexpr int Height = 200;
constexpr int FrameRoom = 4;

// Words wider than the room inside the frame are named in `misfits`.
void DrawCentred(QImage& picture, int baseline, const QString& text, const QFont& font, Colour colour,
                 QStringList& misfits, int offsetX = 0) {
  const int width = QFontMetrics(font).horizontalAdvance(text);
  if (width > Width - 2 * FrameRoom) misfits << u'"' + text + QStringLiteral("\" is wider than the title picture");
  QPainter painter(&picture);
  painter.setFont(font);
  painter.setPen(ToQColor(colour));
  painter.drawText((Width - width) / 2 + offsetX, baseline, text);
}

// The window has no border of its own, so the picture brings a raised frame.
void DrawRaisedFrame(QImage& picture) {
  DrawLine(picture, 0, 0, Width - 1, 0, White);
  DrawLine(picture, 0, 0, 0, Height - 1, White);
  DrawLine(picture, 1, 1, Width - 2, 1, Silver);
  DrawLine(picture, 1, 1, 1, Height - 2, Silver);
  DrawLine(picture, Width - 1, 0, Width - 1, Height - 1, Black);
  DrawLine(picture, 0, Height - 1, Width - 1, Height - 1, Black);
  DrawLine(picture, Width - 2, 1, Width - 2, Height - 2, Grey);
  DrawLine(picture, 1, Height - 2, Width - 2, Height - 2, Grey);
}

// A world low on the horizon, its night side fading into space through a
// checkerboard of two blues.
void DrawPlanet(QImage& picture) {
  const double cx = 60, cy = 330, radius = 175;
  for (int y = 120; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) {
      const double dx = x + 0.5 - cx;
      const double dy = y + 0.5 - cy;
      const double distance = std::sqrt(dx * dx + dy * dy);
      if (distance > radius) continue;
      const double light = (dx * 0.8 - dy * 0.6) / radius;
      Colour colour = Navy;
      if (distance > radius - 1.5) colour = Aqua;
      else if (light > 0.25) colour = Teal;
      else if (light > 0.05) colour = (x + y) % 2 == 0 ? Teal : Navy;
      else if (light > -0.15) colour = Navy;
      else colour = (x + y) % 2 == 0 ? Navy : Black;
      Plot(picture, x, y, colour);
    }
  }
}

void DrawShipAtDoubleSize(QImage& picture, const IndexedImage& ship, int left, int top) {
  for (int y = 0; y < ship.height; ++y) {
    for (int x = 0; x < ship.width; ++x) {
      const Colour colour = static_cast<Colour>(ship.At(x, y));
      if (colour == Black || colour == Grey || colour == Silver) continue;
      FillRect(picture, left + 2 * x, top + 2 * y, 2, 2, colour);
    }
  }
}

}  // namespace

IndexedImage TitlePicture(QStringList& misfits) {
  QImage picture(Width, Height, QImage::Format_RGB32);
  picture.fill(Qt::black);
  Random random(0x717Eull);
  for (int i = 0; i < 170; ++i) {
    const int roll = random.Below(10);
    // Row before column, named so that every compiler draws them in the
    // order the committed picture was made with.
    const int y = random.Below(Height);
    const int x = random.Below(Width);
    Plot(picture, x, y, roll < 6 ? Grey : roll < 9 ? Silver : White);
  }
  DrawPlanet(picture);
  DrawShipAtDoubleSize(picture, LiveEnemyShip(), 236, 112);

  const QFont nameFont = BoldFont(40);
  DrawCentred(picture, 76, QStringLiteral("KESTRAVANE"), nameFont, Maroon, misfits, 2);
  DrawCentred(picture, 74, QStringLiteral("KESTRAVANE"), nameFont, Yellow, misfits);
  DrawLine(picture, 40, 86, Width - 41, 86, Blue);
  DrawCentred(picture, 106, Words(Text::TitlePictureTagline), BoldFont(13), White, misfits);
  DrawCentred(picture, 172, QStringLiteral("\u00A9 1997 Kestravane Works"), SansFont(12), Silver, misfits);
  DrawCentred(picture, 189, Words(Text::TitlePictureLicence), SansFont(10), Silver, misfits);
  DrawRaisedFrame(picture);
  return Quantise(picture, false);
}

}  // namespace kestravane::art
