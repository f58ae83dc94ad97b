#include "support/catalogue.h"

#include <array>
#include <cstring>
#include <variant>
#include <vector>

#include "platform/string_table.h"
#include "support/builtin_texts.h"
#include "support/message_box.h"
#include "support/text_format.h"

std::optional<std::string> CatalogueText(Text id) {
  const unsigned number = Id(id);
  if (const char* builtin = FindBuiltinText(number)) return std::string(builtin).substr(0, CatalogueTextLimit);

  // The string table is read into a buffer of the limit, terminator included.
  std::array<char, CatalogueTextLimit> buffer{};
  int error = 0;
  const int length = platform::LoadStringResource(number, buffer, error);
  if (length > 0) return std::string(buffer.data(), static_cast<std::size_t>(length));
  ErrorBoxText("GetString(LoadString): Cannot load string resource (ID:%u)\r\rCode %d", number, error);
  return std::nullopt;
}

std::optional<std::string> CatalogueMessage(const Message& message, std::size_t limit) {
  const std::optional<std::string> format = CatalogueText(message.Id);
  if (!format) return std::nullopt;
  std::vector<TextArgument> arguments = message.Arguments;
  for (TextArgument& argument : arguments) {
    const Text* word = std::get_if<Text>(&argument);
    if (!word) continue;
    const std::optional<std::string> text = CatalogueText(*word);
    if (!text) return std::nullopt;
    argument = *text;
  }
  return FormatText(*format, arguments, limit);
}
