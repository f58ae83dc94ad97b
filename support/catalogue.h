#pragma once

#include <optional>
#include <string>

#include "engine/identifiers.h"
#include "engine/message.h"
#include "support/text_lookup.h"

namespace kestravane {

// The catalogue as the game on screen uses it: a text that cannot be loaded
// shows its error box.

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
