#include "app/status_line.h"

#include <array>
#include <cstdarg>

#include "platform/status_line.h"
#include "support/catalogue.h"

void ShowStatus(unsigned id, ...) {
  if (!platform::StatusLineVisible()) return;

  std::array<char, LineTextSize> line;
  std::va_list args;
  va_start(args, id);
  const bool formatted = FormatCatalogueLine(line, id, args);
  va_end(args);
  if (formatted) platform::SetStatusText(line.data());
}
