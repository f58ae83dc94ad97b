#pragma once

#include "document/game_document.h"
#include "platform/window.h"

// Carries out menu command, shortcut or ship button `id`, then brings the
// menus up to date.
void DoCommand(platform::Window* window, int id, GameDocument& document);

// Grays the commands that need a game in play (a game open and no picture
// shown) and sets the check marks of the scan axis, Always on Top and Play
// Sounds.
void UpdateMenus(platform::Window* window, const GameDocument& document);
