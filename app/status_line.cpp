#include "app/status_line.h"

#include <array>
#include <cstdarg>
#include <cstdio>

#include "platform/status_line.h"
#include "support/catalogue.h"

void ShowStatus(unsigned id, ...) {
  if (!platform::StatusLineVisible()) return;

  std::array<char, CatalogueTextSize> format;
  if (GetString(format, id) == 0) return;

  std::array<char, LineTextSize> line;
  std::va_list args;
  va_start(args, id);
  if (std::vsnprintf(line.data(), line.size(), format.data(), args) < 0) line[0] = '\0';
  va_end(args);
  platform::SetStatusText(line.data());
}
