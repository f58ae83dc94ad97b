#pragma once

#include "indexed_image.h"

namespace kestravane::art {

// The full-size pictures of the scanner view, each 288 x 288.
IndexedImage TitlePage();          // 5000
IndexedImage GameRulesPage();      // 5001
IndexedImage ShortcutsPage();      // 5002
IndexedImage MissionOrdersPage();  // 5003
IndexedImage VictoryPage();        // 5004
IndexedImage DefeatPage();         // 5005

}  // namespace kestravane::art
