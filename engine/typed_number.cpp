#include "engine/typed_number.h"

#include <charconv>
#include <limits>

namespace kestravane {

std::optional<std::int64_t> TypedNumber(std::string_view text, bool isSigned) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);

  bool negative = false;
  if (isSigned && !text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t magnitude = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (error != std::errc() || stop != text.data() + text.size()) return std::nullopt;

  const std::uint64_t limit = !isSigned  ? std::numeric_limits<std::uint32_t>::max()
                              : negative ? std::uint64_t{1} << 31
                                         : std::numeric_limits<std::int32_t>::max();
  if (magnitude > limit) return std::nullopt;
  return negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
}

std::optional<std::uint32_t> TypedUniverseNumber(std::string_view text) {
  const std::optional<std::int64_t> number = TypedNumber(text, false);
  if (!number) return std::nullopt;
  return static_cast<std::uint32_t>(*number);
}

}  // namespace kestravane
