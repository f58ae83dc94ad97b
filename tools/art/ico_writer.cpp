#include "ico_writer.h"

#include "dib.h"
#include "little_endian.h"

namespace kestravane::art {
namespace {

constexpr std::uint32_t DirectorySize = 6;
constexpr std::uint32_t EntrySize = 16;

std::uint32_t MaskRowBytes(int width) {
  return static_cast<std::uint32_t>((width + 31) / 32 * 4);
}

void PutMaskRows(std::vector<std::uint8_t>& out, const IndexedImage& image) {
  const std::uint32_t rowBytes = MaskRowBytes(image.width);
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(rowBytes, 0);
    for (int x = 0; x < image.width; ++x) {
      if (image.IsTransparent(x, y)) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeIcon(const IndexedImage& image) {
  const std::uint32_t pixelBytes = FourBitRowBytes(image.width) * image.height;
  const std::uint32_t maskBytes = MaskRowBytes(image.width) * image.height;
  const std::uint32_t imageBytes = InfoHeaderSize + PaletteSize + pixelBytes + maskBytes;

  std::vector<std::uint8_t> out;
  PutU16(out, 0);  // reserved
  PutU16(out, 1);  // an icon, not a cursor
  PutU16(out, 1);  // one image
  PutU8(out, static_cast<unsigned>(image.width));
  PutU8(out, static_cast<unsigned>(image.height));
  PutU8(out, 16);  // colours
  PutU8(out, 0);   // reserved
  PutU16(out, 1);  // planes
  PutU16(out, 4);  // bits per pixel
  PutU32(out, imageBytes);
  PutU32(out, DirectorySize + EntrySize);
  // The stored height covers the colour rows and the mask rows together.
  PutInfoHeader(out, image, image.height * 2, pixelBytes + maskBytes);
  PutPalette(out);
  PutFourBitRows(out, image);
  PutMaskRows(out, image);
  return out;
}

}  // namespace kestravane::art
