#pragma once

#include <span>

#include "platform/window.h"

namespace platform {

// One item of a popup menu. A null text is a separator. The text marks its
// mnemonic with "&" and may carry the shortcut's name after a tab.
struct MenuItem {
  int id = 0;
  const char* text = nullptr;
};

struct MenuPopup {
  const char* title;
  std::span<const MenuItem> items;
};

// Flags of WindowEvents::MenuSelect.
inline constexpr unsigned MenuPopupFlag = 0x0010;
inline constexpr unsigned MenuSystemFlag = 0x2000;

// Gives the window its menu bar; every item starts grayed.
void InstallMenu(Window* window, std::span<const MenuPopup> popups);

void EnableMenuItem(Window* window, int id, bool enabled);
void CheckMenuItem(Window* window, int id, bool checked);

}  // namespace platform
