#pragma once

#include <span>

// Every text the player sees has a numeric catalogue ID. IDs 60000 to 60100
// are the support library's own texts; all others come from the string table.

inline constexpr int CatalogueTextSize = 256;  // a loaded text, terminator included
inline constexpr int BoxTextSize = 512;        // a formatted box text
inline constexpr int LineTextSize = 256;       // a formatted status line, title or item text

// Copies text `id` into `buffer`. Returns its length, or 0 after showing an
// error box when the text cannot be loaded (a missing or empty entry).
int GetString(std::span<char, CatalogueTextSize> buffer, unsigned id);
