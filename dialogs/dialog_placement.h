#pragma once

#include "platform/window.h"
#include "support/placement.h"

// Moves `dialog`, before it shows, to where `placement` puts it on the screen
// its owner is on (see DialogCornerOn).
void PlaceDialog(platform::Window* dialog, platform::Window* owner, const Placement& placement);

// Ends `dialog` with `result`, first storing where it is into `placement`,
// however it was closed.
void EndPlacedDialog(platform::Window* dialog, Placement& placement, int result);
