#pragma once

#include <span>

namespace platform {

// Copies string-table entry `id` into `buffer`, at most buffer.size() - 1
// characters, always terminated. Returns the length copied; 0 when the entry
// is missing or empty, with the system error number in `error`.
int LoadStringResource(unsigned id, std::span<char> buffer, int& error);

}  // namespace platform
