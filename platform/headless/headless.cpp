#include <cerrno>

#include "platform/resources.h"

namespace kestravane {

namespace platform {

// The artwork is embedded by the Qt platform; a program without it, such as
// kestravane-tool, has none.
Result<std::vector<std::uint8_t>> ResourceBytes(ResourceKind, unsigned) {
  return Result<std::vector<std::uint8_t>>::Failure(ENOENT);
}

}  // namespace platform

}  // namespace kestravane
