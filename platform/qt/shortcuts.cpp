#include "platform/shortcuts.h"

#include "platform/qt/app_window.h"

namespace platform {

// The client area looks the keys up itself, so that the game's shortcuts
// never compete with Qt's own (the menu and button mnemonics).
void InstallShortcuts(Window* window, std::span<const Shortcut> shortcuts) {
  if (AppWindow* appWindow = AppWindow::From(window)) appWindow->SetShortcuts(shortcuts);
}

}  // namespace platform
