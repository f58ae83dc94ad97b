#include "support/text_catalogue.h"

#include <variant>

namespace kestravane {

namespace {

constexpr TextSource Sources[] = {
#define TEXT(name, source) {source},
#define PLURAL(name, source, one) {source, one},
#include "engine/texts.inc"
#undef TEXT
#undef PLURAL
};

std::string ValueText(const TextArgument& value) {
  if (const auto* number = std::get_if<int>(&value)) return std::to_string(*number);
  if (const auto* number = std::get_if<unsigned>(&value)) return std::to_string(*number);
  if (const auto* word = std::get_if<Text>(&value)) return SourceOf(*word).english;
  return std::get<std::string>(value);
}

// The first `limit` characters of UTF-8 `text`.
void CutToCharacters(std::string& text, std::size_t limit) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
    if (starts && ++characters > limit) {
      text.resize(at);
      return;
    }
  }
}

}  // namespace

const TextSource& SourceOf(Text text) { return Sources[static_cast<std::size_t>(text)]; }

std::optional<int> CountOf(const Message& message) {
  if (!SourceOf(message.Id).englishForOne || message.Arguments.empty()) return std::nullopt;
  const TextArgument& first = message.Arguments.front();
  if (const auto* number = std::get_if<int>(&first)) return *number;
  if (const auto* number = std::get_if<unsigned>(&first)) return static_cast<int>(*number);
  return std::nullopt;
}

std::string FormatText(std::string_view format, std::span<const TextArgument> values, std::size_t limit) {
  std::string out;
  for (std::size_t at = 0; at < format.size(); ++at) {
    const char next = at + 1 < format.size() ? format[at + 1] : '\0';
    const bool numbered = next >= '1' && next <= '9';
    if (format[at] != '%' || (!numbered && next != 'n')) {
      out += format[at];
      continue;
    }
    const std::size_t index = numbered ? static_cast<std::size_t>(next - '1') : 0;
    if (index < values.size()) out += ValueText(values[index]);
    ++at;
  }
  CutToCharacters(out, limit);
  return out;
}

std::string EnglishText(const Message& message, std::size_t limit) {
  const TextSource& source = SourceOf(message.Id);
  const std::optional<int> count = CountOf(message);
  return FormatText(count == 1 ? source.englishForOne : source.english, message.Arguments, limit);
}

}  // namespace kestravane
