#include "app/main_menu.h"

#include "engine/identifiers.h"
#include "platform/keys.h"

namespace {
#include "resources/menu.inc"
#include "resources/shortcuts.inc"
}  // namespace

std::span<const platform::MenuPopup> MainMenu() { return MainMenuBar; }
std::span<const platform::Shortcut> MainWindowShortcuts() { return MainShortcuts; }
