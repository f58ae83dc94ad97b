#include "platform/string_table.h"

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <utility>

namespace {

const std::pair<unsigned, const char*> StringTable[] = {
#include "resources/string_table.inc"
};

}  // namespace

namespace platform {

int LoadStringResource(unsigned id, std::span<char> buffer, int& error) {
  if (buffer.empty()) return 0;
  buffer[0] = '\0';
  for (const auto& [entryId, text] : StringTable) {
    if (entryId != id) continue;
    const std::size_t length = std::min(std::strlen(text), buffer.size() - 1);
    std::memcpy(buffer.data(), text, length);
    buffer[length] = '\0';
    if (length == 0) break;
    return static_cast<int>(length);
  }
  error = ENOENT;
  return 0;
}

}  // namespace platform
