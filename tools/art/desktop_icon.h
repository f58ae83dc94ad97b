#pragma once

#include <QImage>
#include <array>

namespace kestravane::art {

// The sizes a desktop's icon theme asks for; the installed game ships one
// picture for each.
inline constexpr std::array<int, 6> DesktopIconSizes = {16, 32, 48, 64, 128, 256};

// The program's icon (icon 1000, the scanner scope) at `size` pixels square,
// in true colour with a smooth alpha edge. 32 is the game's own 32 x 32 icon
// pixel for pixel; every other size is drawn anew from the same design with
// its straight edges on whole pixels, so that no size is a blurred copy of
// another.
QImage DesktopIcon(int size);

}  // namespace kestravane::art
