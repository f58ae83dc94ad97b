#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kestravane {

// A whole number as the player types it, in a dialog's field or on the
// tool's command line: decimal digits, leading zeros and blanks (spaces,
// tabs) around them allowed, a sign only when `isSigned`. Nothing when the
// text is no such number or the number does not fit in 32 bits: from 0 to
// 4294967295 unsigned, from -2147483648 to 2147483647 signed.
std::optional<std::int64_t> TypedNumber(std::string_view text, bool isSigned);

// The number of a universe as the player types it, by the same rule.
std::optional<std::uint32_t> TypedUniverseNumber(std::string_view text);

}  // namespace kestravane
