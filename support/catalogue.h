#pragma once

#include <cstdarg>
#include <span>

// Every text the player sees has a numeric catalogue ID. The support library
// keeps some texts of its own at IDs 60000 to 60100; all others come from the
// string table.

inline constexpr int CatalogueTextSize = 256;  // a loaded text, terminator included
inline constexpr int BoxTextSize = 512;        // a formatted box text
inline constexpr int LineTextSize = 256;       // a formatted status line, title or item text

// Copies text `id` into `buffer`. Returns its length, or 0 after showing an
// error box when the text cannot be loaded (a missing or empty entry).
int GetString(std::span<char, CatalogueTextSize> buffer, unsigned id);

// Catalogue text `id` filled with printf arguments into `line`, at most
// LineTextSize - 1 characters, for a status line, title or control text.
// False when the text cannot be loaded (its box has been shown).
bool FormatCatalogueLine(std::span<char, LineTextSize> line, unsigned id, std::va_list args);
