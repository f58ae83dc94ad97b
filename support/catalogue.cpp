#include "support/catalogue.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "platform/string_table.h"
#include "support/builtin_texts.h"
#include "support/message_box.h"

namespace {

// The string table is read with this limit, terminator included, so at most
// StringTableLimit - 1 characters arrive.
constexpr std::size_t StringTableLimit = 255;

}  // namespace

int GetString(std::span<char, CatalogueTextSize> buffer, unsigned id) {
  if (const char* text = FindBuiltinText(id)) {
    const std::size_t length = std::min(std::strlen(text), buffer.size() - 1);
    std::memcpy(buffer.data(), text, length);
    buffer[length] = '\0';
    return static_cast<int>(length);
  }

  int error = 0;
  const int length = platform::LoadStringResource(id, buffer.first<StringTableLimit>(), error);
  if (length > 0) return length;

  buffer[0] = '\0';
  return ErrorBoxText("GetString(LoadString): Cannot load string resource (ID:%u)\r\rCode %d", id,
                      error);
}

bool FormatCatalogueLine(std::span<char, LineTextSize> line, unsigned id, std::va_list args) {
  std::array<char, CatalogueTextSize> format;
  if (GetString(format, id) == 0) return false;
  if (std::vsnprintf(line.data(), line.size(), format.data(), args) < 0) line[0] = '\0';
  return true;
}
