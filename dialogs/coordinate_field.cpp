#include "dialogs/coordinate_field.h"

#include <QLineEdit>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "support/message_box.h"

namespace kestravane {

std::optional<int> FieldNumber(const CoordinateField& field, bool isSigned) {
  const std::string text = field.edit->text().toStdString();
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t begin = 0, end = text.size();
  while (begin < end && blank(text[begin])) ++begin;
  while (end > begin && blank(text[end - 1])) --end;

  bool negative = false;
  if (isSigned && begin < end && (text[begin] == '-' || text[begin] == '+')) {
    negative = text[begin] == '-';
    ++begin;
  }
  if (begin == end) return std::nullopt;
  std::uint64_t magnitude = 0;
  const auto [stop, error] = std::from_chars(text.data() + begin, text.data() + end, magnitude);
  if (error != std::errc() || stop != text.data() + end) return std::nullopt;

  const std::uint64_t limit = !isSigned  ? std::numeric_limits<std::uint32_t>::max()
                              : negative ? std::uint64_t{1} << 31
                                         : std::numeric_limits<std::int32_t>::max();
  if (magnitude > limit) return std::nullopt;
  const std::int64_t number = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  return static_cast<int>(static_cast<std::uint32_t>(number));
}

void ShowCoordinate(const CoordinateField& field, int value) { field.edit->setText(QString::number(value)); }

void RefuseCoordinate(const CoordinateField& field, int value, Text warning) {
  ShowCoordinate(field, value);
  WarningBox(field.edit->window(), warning, std::string(field.letter));
}

}  // namespace kestravane
