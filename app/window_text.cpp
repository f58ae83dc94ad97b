#include "app/window_text.h"

#include <array>
#include <cstdarg>

#include "app/status_line.h"
#include "platform/menu.h"
#include "platform/status_line.h"
#include "support/catalogue.h"

namespace {

constexpr int FirstMenuCommand = 101;
constexpr int LastMenuCommand = 999;
constexpr unsigned ReadyText = 60000;

}  // namespace

void SetTitleString(platform::Window* window, unsigned id, ...) {
  std::array<char, LineTextSize> title;
  std::va_list args;
  va_start(args, id);
  const bool formatted = FormatCatalogueLine(title, id, args);
  va_end(args);
  if (formatted) platform::SetWindowTitle(window, title.data());
}

void MenuSelectHelp(int id, unsigned flags) {
  if (!platform::StatusLineVisible()) return;
  // Popup titles arrive as their index and the menu's closing as 0, both
  // below the first command, so they read "Ready ..." like a separator.
  if (id < FirstMenuCommand || id > LastMenuCommand) {
    ShowStatus(ReadyText);
    return;
  }
  if (flags & (platform::MenuPopupFlag | platform::MenuSystemFlag)) return;
  ShowStatus(static_cast<unsigned>(id));
}
