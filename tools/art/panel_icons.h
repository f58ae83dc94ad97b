#pragma once

#include "indexed_image.h"

namespace kestravane::art {

// Icon 5000: the sector map the weapons and scanner panels mark cells on.
IndexedImage MapIcon();

// Icon 5003: the engines panel's thruster, on a clear background.
IndexedImage EnginesIcon();

// Icon 1000: the program's own emblem.
IndexedImage ProgramIcon();

}  // namespace kestravane::art
