#include "support/text_format.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <variant>

namespace kestravane {

namespace {

constexpr std::string_view Flags = "-+ #0";
constexpr std::string_view Conversions = "diucxXs";

long long AsNumber(const TextArgument* argument) {
  if (!argument) return 0;
  if (const int* value = std::get_if<int>(argument)) return *value;
  if (const unsigned* value = std::get_if<unsigned>(argument)) return *value;
  if (const Text* text = std::get_if<Text>(argument)) return Id(*text);
  return 0;
}

std::string AsText(const TextArgument* argument) {
  if (!argument) return {};
  if (const std::string* text = std::get_if<std::string>(argument)) return *text;
  return std::to_string(AsNumber(argument));
}

// One placeholder: flags, width and precision as written, then the value.
std::string FormatOne(std::string placeholder, char conversion, const TextArgument* argument) {
  char buffer[512];
  int length = 0;
  if (conversion == 's') {
    const std::string text = AsText(argument);
    length = std::snprintf(buffer, sizeof buffer, (placeholder + 's').c_str(), text.c_str());
  } else if (conversion == 'd' || conversion == 'i' || conversion == 'c') {
    const int value = static_cast<int>(AsNumber(argument));
    length = std::snprintf(buffer, sizeof buffer, (placeholder + conversion).c_str(), value);
  } else {
    const unsigned value = static_cast<unsigned>(AsNumber(argument));
    length = std::snprintf(buffer, sizeof buffer, (placeholder + conversion).c_str(), value);
  }
  if (length < 0) return {};
  return std::string(buffer, std::strlen(buffer));
}

}  // namespace

std::string FormatText(std::string_view format, std::span<const TextArgument> arguments,
                       std::size_t limit) {
  std::string out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < format.size() && out.size() < limit; ++i) {
    if (format[i] != '%') {
      out += format[i];
      continue;
    }
    std::size_t end = i + 1;
    while (end < format.size() && Flags.find(format[end]) != std::string_view::npos) ++end;
    while (end < format.size() && (std::isdigit(static_cast<unsigned char>(format[end])) || format[end] == '.'))
      ++end;
    if (end < format.size() && format[end] == '%') {
      out += '%';
    } else if (end < format.size() && Conversions.find(format[end]) != std::string_view::npos) {
      const TextArgument* argument = next < arguments.size() ? &arguments[next] : nullptr;
      ++next;
      out += FormatOne(std::string(format.substr(i, end - i)), format[end], argument);
    } else {
      // Not a placeholder the game writes: shown as it stands.
      out.append(format.substr(i, end - i + (end < format.size() ? 1 : 0)));
    }
    i = end;
  }
  if (out.size() > limit) out.resize(limit);
  return out;
}

}  // namespace kestravane
