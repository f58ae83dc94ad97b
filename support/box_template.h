#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

// The in-memory dialog template every error and warning box is built from:
// the platform's standard non-extended form (little-endian 16- and 32-bit
// fields, zero-terminated UTF-16 strings, each control record on a 4-byte
// boundary), so that every box has the same size, font, icon and buttons.
//
// The layout: a header (style 0x90C800C2, position 90,70, size 220 x 85
// dialog units, title "DialogTmp", 8 pt "MS Sans Serif"), then the controls:
//   100  icon                           8,9   18 x 20
//   101  message text                  37,8  175 x 50
// and the buttons on line 65, each 36 x 14:
//   set 0 and 1 (and below): ID 1 "OK" at 91
//   set 2:                   ID 6 "&Yes" at 69, ID 7 "&No" at 115
//   set 3 and above:         ID 6 "&Yes" at 46, ID 7 "&No" at 92, ID 2 "&Cancel" at 138

inline constexpr std::size_t BoxTemplateBlockSize = 2048;

struct BoxTemplate {
  std::array<std::uint8_t, BoxTemplateBlockSize> bytes{};  // zero-filled
  std::size_t size = 0;  // bytes used, up to the end of the last control record
};

// Button sets: 0 for the error box, 1 for the warning box (both a single OK
// button), 2 for Yes and No, 3 and above for Yes, No and Cancel. Returns null
// when there is no memory for the block; the caller reports it.
std::unique_ptr<BoxTemplate> BuildBoxTemplate(int buttonSet);
