#pragma once

#include <span>

#include "platform/menu.h"
#include "platform/shortcuts.h"

// The main window's menu bar and shortcut keys, as the resources define them.
std::span<const platform::MenuPopup> MainMenu();
std::span<const platform::Shortcut> MainWindowShortcuts();
