#include "support/item_text.h"

#include <array>
#include <cstdarg>
#include <cstdio>

#include "platform/dialog_items.h"
#include "support/catalogue.h"

namespace {

void SetFormattedItem(platform::Window* dialog, int item, const char* format, std::va_list args) {
  std::array<char, LineTextSize> text;
  if (std::vsnprintf(text.data(), text.size(), format, args) < 0) text[0] = '\0';
  platform::SetItemText(dialog, item, text.data());
}

}  // namespace

void SetItemString(platform::Window* dialog, int item, unsigned id, ...) {
  std::array<char, LineTextSize> text;
  std::va_list args;
  va_start(args, id);
  const bool formatted = FormatCatalogueLine(text, id, args);
  va_end(args);
  if (formatted) platform::SetItemText(dialog, item, text.data());
}

void SetItemFormat(platform::Window* dialog, int item, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  SetFormattedItem(dialog, item, format, args);
  va_end(args);
}
