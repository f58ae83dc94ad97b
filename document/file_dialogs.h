#pragma once

#include <string>

#include "platform/window.h"

// The system's Open and Save As dialogs for game documents. `path` is the
// current document: the dialogs start in its folder, Save As with its name.
// Each remembers its own file type choice for the rest of the run. Return 1
// with the chosen path in `path`, or 0 (cancelled, or the filter text could
// not be loaded) leaving `path` as it was.
int OpenFileDialog(platform::Window* owner, std::string& path, unsigned filterId,
                   unsigned titleId);
int SaveFileDialog(platform::Window* owner, std::string& path, unsigned filterId,
                   unsigned titleId, unsigned extensionId);
