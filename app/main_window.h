#pragma once

#include "app/settings.h"
#include "platform/window.h"

// Creates, shows and paints the main window where the settings last left
// it, and opens the document named on the command line. Null after an error
// box.
platform::Window* CreateMainWindow(platform::ShowMode show, AppSettings* settings);

// The way out, whether by Exit, the close box or the end of the session:
// offers to save the game, remembers the document and the window's place,
// and ends the event loop. 0 when the player cancelled.
int CloseApplication(platform::Window* window);

// The window's restored place on the desktop. Always 1.
int GetPlacement(platform::Window* window, Placement* placement);
