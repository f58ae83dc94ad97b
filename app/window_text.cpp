#include "app/window_text.h"

#include "app/status_line.h"
#include "platform/menu.h"
#include "platform/status_line.h"
#include "support/catalogue.h"

namespace {

constexpr int FirstMenuCommand = Id(Command::New);
constexpr int LastMenuCommand = Id(Command::About);

}  // namespace

void SetTitleString(platform::Window* window, Text id) {
  if (const std::optional<std::string> title = CatalogueLine(id)) platform::SetWindowTitle(window, title->c_str());
}

void MenuSelectHelp(int id, unsigned flags) {
  if (!platform::StatusLineVisible()) return;
  // Popup titles arrive as their index and the menu's closing as 0, both
  // below the first command, so they read "Ready ..." like a separator.
  if (id < FirstMenuCommand || id > LastMenuCommand) {
    ShowStatus(Text::Ready);
    return;
  }
  if (flags & (platform::MenuPopupFlag | platform::MenuSystemFlag)) return;
  // Each command's help is the catalogue text of its own number.
  ShowStatus(static_cast<Text>(id));
}
