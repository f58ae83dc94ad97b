#include "dib.h"

#include "little_endian.h"

namespace kestravane::art {

std::uint32_t FourBitRowBytes(int width) {
  return static_cast<std::uint32_t>((width * 4 + 31) / 32 * 4);
}

void PutInfoHeader(std::vector<std::uint8_t>& out, const IndexedImage& image,
                   int storedHeight, std::uint32_t imageBytes) {
  PutU32(out, InfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(image.width));
  PutU32(out, static_cast<std::uint32_t>(storedHeight));
  PutU16(out, 1);   // planes
  PutU16(out, 4);   // bits per pixel
  PutU32(out, 0);   // uncompressed
  PutU32(out, imageBytes);
  PutU32(out, 0);   // horizontal resolution: not given
  PutU32(out, 0);   // vertical resolution: not given
  PutU32(out, 16);  // palette entries used
  PutU32(out, 0);   // all of them matter
}

void PutPalette(std::vector<std::uint8_t>& out) {
  for (const Rgb& colour : Palette) {
    PutU8(out, colour.blue);
    PutU8(out, colour.green);
    PutU8(out, colour.red);
    PutU8(out, 0);
  }
}

void PutFourBitRows(std::vector<std::uint8_t>& out, const IndexedImage& image) {
  const std::uint32_t rowBytes = FourBitRowBytes(image.width);
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(rowBytes, 0);
    for (int x = 0; x < image.width; ++x) {
      const unsigned index = image.At(x, y) & 0x0F;
      row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace kestravane::art
