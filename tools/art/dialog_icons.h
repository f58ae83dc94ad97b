#pragma once

#include "indexed_image.h"

namespace kestravane::art {

// The icons the dialogs show beside their fields, all on clear backgrounds.
IndexedImage HelmIcon();         // 2200: a ship's wheel
IndexedImage AimIcon();          // 2300: a target in the sights
IndexedImage ScannerLogIcon();   // 2400: the log on its clipboard
IndexedImage SoundIcon();        // 2525: a loudspeaker
IndexedImage HelpIcon();         // 2550: a question mark

}  // namespace kestravane::art
