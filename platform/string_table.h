#pragma once

#include <cstddef>
#include <string>

#include "platform/result.h"

namespace kestravane::platform {

// String-table entry `id`, at most `limit` characters. ENOENT when the entry
// is missing or empty.
Result<std::string> LoadStringResource(unsigned id, std::size_t limit);

}  // namespace kestravane::platform
