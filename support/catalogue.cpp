#include "support/catalogue.h"

#include <array>
#include <cstring>
#include <variant>
#include <vector>

#include "platform/string_table.h"
#include "support/builtin_texts.h"
#include "support/message_box.h"
#include "support/text_format.h"

namespace kestravane {

std::optional<std::string> CatalogueText(Text id) {
  const unsigned number = Id(id);
  if (const char* builtin = FindBuiltinText(number)) return std::string(builtin).substr(0, CatalogueTextLimit);

  // The string table has always been read one character short of the limit.
  const platform::Result<std::string> entry = platform::LoadStringResource(number, CatalogueTextLimit - 1);
  if (entry) return *entry;
  ErrorBoxText("GetString(LoadString): Cannot load string resource (ID:%u)\r\rCode %d", number, entry.error());
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

}  // namespace kestravane
