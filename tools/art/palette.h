#pragma once

#include <array>
#include <cstdint>

namespace kestravane::art {

// The sixteen colours every 16-colour icon and bitmap of the game is painted
// with: the window system's standard palette, in its usual order, so that the
// pictures look the same on the oldest display the game runs on.
struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

enum Colour : std::uint8_t {
  Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
  Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White,
};

inline constexpr std::array<Rgb, 16> Palette = {{
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

// The palette entry closest to a colour (squared distance; ties go to the
// lower index so that the choice never depends on anything but the colour).
Colour NearestColour(Rgb colour);

}  // namespace kestravane::art
