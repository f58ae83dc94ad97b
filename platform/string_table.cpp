#include "platform/string_table.h"

#include <cerrno>
#include <utility>

namespace kestravane {
namespace {

const std::pair<unsigned, const char*> StringTable[] = {
#include "resources/string_table.inc"
};

}  // namespace

namespace platform {

Result<std::string> LoadStringResource(unsigned id, std::size_t limit) {
  for (const auto& [entryId, text] : StringTable) {
    if (entryId != id) continue;
    std::string entry = std::string(text).substr(0, limit);
    if (entry.empty()) break;
    return entry;
  }
  return Result<std::string>::Failure(ENOENT);
}

}  // namespace platform

}  // namespace kestravane
