#include "canvas.h"

#include <QPainter>
#include <QPolygonF>
#include <cstdlib>
#include <vector>

namespace kestravane::art {

QColor ToQColor(Colour colour) {
  const Rgb rgb = Palette[colour];
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QImage BlankIcon(bool transparent) {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(transparent ? QColor(0, 0, 0, 0) : QColor(0, 0, 0));
  return image;
}

void Plot(QImage& image, int x, int y, Colour colour) {
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
  image.setPixelColor(x, y, ToQColor(colour));
}

void FillRect(QImage& image, int left, int top, int width, int height, Colour colour) {
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) Plot(image, x, y, colour);
  }
}

void FillDisc(QImage& image, double cx, double cy, double radius, Colour colour,
              double inner) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const double dx = x + 0.5 - cx;
      const double dy = y + 0.5 - cy;
      const double distanceSquared = dx * dx + dy * dy;
      if (distanceSquared <= radius * radius && distanceSquared >= inner * inner) {
        Plot(image, x, y, colour);
      }
    }
  }
}

void FillPolygon(QImage& image, std::initializer_list<QPointF> points, Colour colour) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ToQColor(colour));
  painter.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

void DrawLine(QImage& image, int x0, int y0, int x1, int y1, Colour colour) {
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int stepX = x0 < x1 ? 1 : -1;
  const int stepY = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  while (true) {
    Plot(image, x0, y0, colour);
    if (x0 == x1 && y0 == y1) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y0 += stepY;
    }
  }
}

bool IsClear(const QImage& image, int x, int y) {
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return true;
  return qAlpha(image.pixel(x, y)) == 0;
}

void OutlineDrawn(QImage& image, Colour colour) {
  std::vector<QPoint> rim;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (IsClear(image, x, y)) continue;
      if (IsClear(image, x - 1, y) || IsClear(image, x + 1, y) || IsClear(image, x, y - 1) ||
          IsClear(image, x, y + 1)) {
        rim.emplace_back(x, y);
      }
    }
  }
  for (const QPoint& point : rim) Plot(image, point.x(), point.y(), colour);
}

void OutlineAround(QImage& image, Colour colour) {
  std::vector<QPoint> rim;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!IsClear(image, x, y)) continue;
      bool touches = false;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx;
          const int ny = y + dy;
          const bool inside = nx >= 0 && ny >= 0 && nx < image.width() && ny < image.height();
          touches = touches || (inside && !IsClear(image, nx, ny));
        }
      }
      if (touches) rim.emplace_back(x, y);
    }
  }
  for (const QPoint& point : rim) Plot(image, point.x(), point.y(), colour);
}

}  // namespace kestravane::art
