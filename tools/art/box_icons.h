#pragma once

#include "indexed_image.h"

namespace kestravane::art {

// Icon 5300: the warning box's yellow triangle with an exclamation mark.
IndexedImage WarningIcon();

// Icon 5500: the error box's red disc with a white cross.
IndexedImage ErrorIcon();

}  // namespace kestravane::art
