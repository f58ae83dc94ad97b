#pragma once

#include <string>
#include <variant>

#include "engine/identifiers.h"
#include "engine/message.h"

namespace kestravane {

// Every text the player sees has a catalogue ID. IDs from 60000 are the
// support library's own texts; all others come from the string table. This
// is the catalogue without a screen: a text that cannot be loaded comes back
// as the report its error box would show.

inline constexpr std::size_t CatalogueTextLimit = 255;  // characters of a loaded text
inline constexpr std::size_t BoxTextLimit = 511;        // of a formatted box text
inline constexpr std::size_t LineTextLimit = 255;       // of a status line, title or control text

// Why a text could not be loaded, as "Routine(Call): description".
struct MissingText {
  std::string report;
};

using LookedUp = std::variant<std::string, MissingText>;

// Text `id`, whole and unformatted, or why it is missing (a missing or empty
// entry).
LookedUp LookUpText(Text id);

// The message's text with its placeholders filled, at most `limit`
// characters; catalogue texts among its values are looked up too.
LookedUp LookUpMessage(const Message& message, std::size_t limit);

}  // namespace kestravane
