#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/identifiers.h"
#include "engine/message.h"

namespace kestravane {

// The catalogue of the game's words without a screen: each text's English,
// and the one way its values are put into it. The game on screen translates
// the English first (support/catalogue.h); kestravane-tool speaks English.

inline constexpr std::size_t BoxTextLimit = 511;   // characters of a box's text
inline constexpr std::size_t LineTextLimit = 255;  // of a status line, title or control text

// Where a text comes from: the context a translator finds it in, its
// English, and for a text that counts something its English for one.
struct TextSource {
  const char* context;
  const char* english;
  const char* englishForOne = nullptr;
};

const TextSource& SourceOf(Text text);

// The number a counting text counts, its first value; nothing for a text
// that counts nothing.
std::optional<int> CountOf(const Message& message);

// `format` with "%1" to "%9" replaced by the values in order and "%n" by the
// first, cut to `limit` characters (whole UTF-8 characters). A word among
// the values comes as its English; any other "%" stands as it is, so a value
// is never read as a placeholder.
std::string FormatText(std::string_view format, std::span<const TextArgument> values, std::size_t limit);

// The message in English, its words looked up and its values filled in.
std::string EnglishText(const Message& message, std::size_t limit);

}  // namespace kestravane
