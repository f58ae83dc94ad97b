#pragma once

#include <optional>
#include <string>

#include "engine/identifiers.h"
#include "engine/message.h"

namespace kestravane {

// Every text the player sees has a catalogue ID. IDs from 60000 are the
// support library's own texts; all others come from the string table.

inline constexpr std::size_t CatalogueTextLimit = 255;  // characters of a loaded text
inline constexpr std::size_t BoxTextLimit = 511;        // of a formatted box text
inline constexpr std::size_t LineTextLimit = 255;       // of a status line, title or control text

// Text `id`, or nothing after an error box when it cannot be loaded (a
// missing or empty entry).
std::optional<std::string> CatalogueText(Text id);

// The message's text with its placeholders filled, at most `limit`
// characters; catalogue texts among its values are looked up too. Nothing
// when a text cannot be loaded (its box has been shown).
std::optional<std::string> CatalogueMessage(const Message& message, std::size_t limit);

// A message for a status line, title or control text.
inline std::optional<std::string> CatalogueLine(const Message& message) {
  return CatalogueMessage(message, LineTextLimit);
}

template <typename... Values>
std::optional<std::string> CatalogueLine(Text id, Values&&... values) {
  return CatalogueLine(MakeMessage(id, std::forward<Values>(values)...));
}

}  // namespace kestravane
