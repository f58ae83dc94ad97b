#pragma once

#include <cstdint>
#include <vector>

#include "indexed_image.h"

namespace kestravane::art {

// The device-independent bitmap that icons and bitmap files share: an info
// header, the 16-entry palette and 4-bit pixel rows, bottom row first, each
// row padded to a multiple of four bytes.
inline constexpr std::uint32_t InfoHeaderSize = 40;
inline constexpr std::uint32_t PaletteSize = 16 * 4;

std::uint32_t FourBitRowBytes(int width);

// `storedHeight` is what the header claims: an icon counts its mask rows too.
void PutInfoHeader(std::vector<std::uint8_t>& out, const IndexedImage& image,
                   int storedHeight, std::uint32_t imageBytes);
void PutPalette(std::vector<std::uint8_t>& out);
void PutFourBitRows(std::vector<std::uint8_t>& out, const IndexedImage& image);

}  // namespace kestravane::art
