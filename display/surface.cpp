#include "display/surface.h"

#include <QRgb>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/qt/picture_data.h"

namespace kestravane {

using platform::Color;
using platform::Rect;

namespace {

QRgb PixelOf(Color color) { return qRgb(color.red, color.green, color.blue); }

// Writes pixels straight into a 32-bit image, each one once, clipped to the
// image; the drawing rules are the game's, not a painter's.
class PixelWriter {
 public:
  PixelWriter(Surface& surface, Color color, PenMode mode)
      : surface_(surface),
        bits_(surface.image().bits()),
        stride_(surface.image().bytesPerLine()),
        width_(surface.image().width()),
        height_(surface.image().height()),
        value_(PixelOf(color)),
        xor_(mode == PenMode::Xor) {}

  // Row y from x0 to x1 - 1.
  void Row(int y, int x0, int x1) const {
    if (y < 0 || y >= height_) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width_);
    if (x0 >= x1) return;
    surface_.Changed(QRect(x0, y, x1 - x0, 1));
    QRgb* pixel = Line(y) + x0;
    for (int x = x0; x < x1; ++x, ++pixel) Put(pixel);
  }

  // Column x from y0 to y1 - 1.
  void Column(int x, int y0, int y1) const {
    if (x < 0 || x >= width_) return;
    y0 = std::max(y0, 0);
    y1 = std::min(y1, height_);
    if (y0 >= y1) return;
    surface_.Changed(QRect(x, y0, 1, y1 - y0));
    for (int y = y0; y < y1; ++y) Put(Line(y) + x);
  }

 private:
  QRgb* Line(int y) const { return reinterpret_cast<QRgb*>(bits_ + std::ptrdiff_t{y} * stride_); }
  // Exclusive-or leaves the unused top byte alone, so the image stays opaque.
  void Put(QRgb* pixel) const { *pixel = xor_ ? *pixel ^ (value_ & 0x00FFFFFF) : value_; }

  Surface& surface_;
  uchar* bits_;
  qsizetype stride_;
  int width_;
  int height_;
  QRgb value_;
  bool xor_;
};

// The part of a width x height picture placed at (x, y) that lands on the
// image, in the picture's own coordinates.
QRect VisiblePart(const QImage& image, int x, int y, int width, int height) {
  return QRect(x, y, width, height).intersected(image.rect()).translated(-x, -y);
}

}  // namespace

void CopySurface(const Surface& source, Surface& target, int x, int y) {
  const QImage& from = source.image();
  QImage& to = target.image();
  const QRect part = VisiblePart(to, x, y, from.width(), from.height());
  if (part.isEmpty()) return;
  target.Changed(part.translated(x, y));
  const std::size_t rowBytes = std::size_t(part.width()) * sizeof(QRgb);
  for (int row = part.top(); row <= part.bottom(); ++row) {
    const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(row)) + part.left();
    auto* out = reinterpret_cast<QRgb*>(to.scanLine(y + row)) + x + part.left();
    std::memmove(out, in, rowBytes);
  }
}

void DrawLine(Surface& surface, int x0, int y0, int x1, int y1, Color color, int width,
              PenMode mode) {
  const PixelWriter writer(surface, color, mode);
  const int dx = std::abs(x1 - x0);
  const int dy = std::abs(y1 - y0);
  const int stepX = x0 < x1 ? 1 : -1;
  const int stepY = y0 < y1 ? 1 : -1;
  const int thickness = std::max(width, 1);
  // A wide line grows across its main direction, centred on the thin one.
  const int before = thickness / 2;

  if (dx >= dy) {
    int error = 2 * dy - dx;
    for (int x = x0, y = y0, step = 0; step < dx; ++step, x += stepX) {
      writer.Column(x, y - before, y - before + thickness);
      if (error > 0) {
        y += stepY;
        error -= 2 * dx;
      }
      error += 2 * dy;
    }
  } else {
    int error = 2 * dx - dy;
    for (int x = x0, y = y0, step = 0; step < dy; ++step, y += stepY) {
      writer.Row(y, x - before, x - before + thickness);
      if (error > 0) {
        x += stepX;
        error -= 2 * dy;
      }
      error += 2 * dx;
    }
  }
}

void FillRect(Surface& surface, const Rect& area, Color color) {
  const PixelWriter writer(surface, color, PenMode::Copy);
  const int bottom = std::min(area.bottom, surface.image().height());
  for (int y = std::max(area.top, 0); y < bottom; ++y) writer.Row(y, area.left, area.right);
}

void FrameRect(Surface& surface, const Rect& area, Color color) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  const PixelWriter writer(surface, color, PenMode::Copy);
  writer.Row(area.top, area.left, area.right);
  writer.Row(area.bottom - 1, area.left, area.right);
  writer.Column(area.left, area.top, area.bottom);
  writer.Column(area.right - 1, area.top, area.bottom);
}

void DrawPicture(Surface& surface, const platform::Picture& picture, int x, int y) {
  if (picture.IsNull()) return;
  const QImage& from = picture.data()->image;
  QImage& to = surface.image();
  const QRect part = VisiblePart(to, x, y, from.width(), from.height());
  surface.Changed(part.translated(x, y));
  for (int row = part.top(); row <= part.bottom(); ++row) {
    const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(row));
    auto* out = reinterpret_cast<QRgb*>(to.scanLine(y + row)) + x;
    // A bitmap is opaque throughout; an icon's mask clears the alpha.
    for (int column = part.left(); column <= part.right(); ++column) {
      if (qAlpha(in[column]) != 0) out[column] = in[column] | 0xFF000000;
    }
  }
}

}  // namespace kestravane
