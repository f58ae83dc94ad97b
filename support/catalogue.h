#pragma once

#include <QString>

#include "engine/identifiers.h"
#include "engine/message.h"
#include "support/text_catalogue.h"

namespace kestravane {

// The game's words as the player reads them: in the player's language when
// the game has been translated into it, else in English, carriage returns as
// line breaks.

QString Tr(Text text);

// The message with its values filled in and its words translated, at most
// `limit` characters.
QString Tr(const Message& message, std::size_t limit = LineTextLimit);

template <typename... Values>
QString Tr(Text id, Values&&... values) {
  return Tr(MakeMessage(id, std::forward<Values>(values)...));
}

// A control's words without the "&" that marks their letter.
QString WithoutMnemonic(const QString& text);

}  // namespace kestravane
