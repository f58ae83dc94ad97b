#include "indexed_image.h"

#include <QImage>
#include <algorithm>

namespace kestravane::art {

bool IndexedImage::HasMask() const {
  return std::any_of(transparent.begin(), transparent.end(),
                     [](std::uint8_t bit) { return bit != 0; });
}

IndexedImage Quantise(const QImage& source, bool keepMask) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  IndexedImage result;
  result.width = image.width();
  result.height = image.height();
  result.pixels.resize(static_cast<std::size_t>(result.width) * result.height);
  if (keepMask) result.transparent.assign(result.pixels.size(), 0);
  for (int y = 0; y < result.height; ++y) {
    for (int x = 0; x < result.width; ++x) {
      const QRgb pixel = image.pixel(x, y);
      const std::size_t at = static_cast<std::size_t>(y) * result.width + x;
      if (keepMask && qAlpha(pixel) < 128) {
        result.transparent[at] = 1;
        result.pixels[at] = Black;
        continue;
      }
      result.pixels[at] = NearestColour({static_cast<std::uint8_t>(qRed(pixel)),
                                         static_cast<std::uint8_t>(qGreen(pixel)),
                                         static_cast<std::uint8_t>(qBlue(pixel))});
    }
  }
  return result;
}

QImage ToQImage(const IndexedImage& image) {
  QImage result(image.width, image.height, QImage::Format_ARGB32);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb colour = Palette[image.At(x, y)];
      const int alpha = image.IsTransparent(x, y) ? 0 : 255;
      result.setPixel(x, y, qRgba(colour.red, colour.green, colour.blue, alpha));
    }
  }
  return result;
}

}  // namespace kestravane::art
