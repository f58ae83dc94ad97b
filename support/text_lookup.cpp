#include "support/text_lookup.h"

#include <vector>

#include "platform/string_table.h"
#include "support/builtin_texts.h"
#include "support/text_format.h"

namespace kestravane {

LookedUp LookUpText(Text id) {
  const unsigned number = Id(id);
  if (const char* builtin = FindBuiltinText(number)) return std::string(builtin).substr(0, CatalogueTextLimit);

  // The string table has always been read one character short of the limit.
  const platform::Result<std::string> entry = platform::LoadStringResource(number, CatalogueTextLimit - 1);
  if (entry) return *entry;
  const TextArgument arguments[] = {number, entry.error()};
  return MissingText{FormatText("GetString(LoadString): Cannot load string resource (ID:%u)\r\rCode %d", arguments,
                                BoxTextLimit)};
}

LookedUp LookUpMessage(const Message& message, std::size_t limit) {
  LookedUp format = LookUpText(message.Id);
  if (std::holds_alternative<MissingText>(format)) return format;
  std::vector<TextArgument> arguments = message.Arguments;
  for (TextArgument& argument : arguments) {
    const Text* word = std::get_if<Text>(&argument);
    if (!word) continue;
    LookedUp text = LookUpText(*word);
    if (std::holds_alternative<MissingText>(text)) return text;
    argument = std::get<std::string>(std::move(text));
  }
  return FormatText(std::get<std::string>(format), arguments, limit);
}

}  // namespace kestravane
