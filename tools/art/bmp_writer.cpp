#include "bmp_writer.h"

#include "dib.h"
#include "little_endian.h"

namespace kestravane::art {

std::vector<std::uint8_t> EncodeBitmap(const IndexedImage& image) {
  constexpr std::uint32_t FileHeaderSize = 14;
  const std::uint32_t pixelBytes = FourBitRowBytes(image.width) * image.height;
  const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + PaletteSize;

  std::vector<std::uint8_t> out;
  PutU8(out, 'B');
  PutU8(out, 'M');
  PutU32(out, pixelOffset + pixelBytes);
  PutU32(out, 0);  // reserved
  PutU32(out, pixelOffset);
  PutInfoHeader(out, image, image.height, pixelBytes);
  PutPalette(out);
  PutFourBitRows(out, image);
  return out;
}

}  // namespace kestravane::art
