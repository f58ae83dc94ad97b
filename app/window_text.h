#pragma once

#include "engine/identifiers.h"
#include "platform/window.h"

// The window's title from catalogue text `id`; left unchanged when the text
// cannot be loaded.
void SetTitleString(platform::Window* window, Text id);

// The status line follows the highlight in the menus: a command's help text
// (the catalogue text of its ID) while the command is highlighted, "Ready ..."
// for anything that is not a command. `id` and `flags` are as
// WindowEvents::MenuSelect gives them.
void MenuSelectHelp(int id, unsigned flags);
