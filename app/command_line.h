#pragma once

#include <string>

#include "app/settings.h"

namespace kestravane {

// The document named on the command line becomes the settings' FileSpec and
// is opened at start-up. `path` is taken as it is, spaces and quotes
// included. A path the settings cannot keep (too long, or of more
// than one line), or one that names something the game cannot read as a
// file (a folder, a file the player may not read), is refused with a box and
// leaves the settings as they were; a file that does not exist yet is taken.
void DocumentFromCommandLine(const std::string& path, AppSettings& settings);

}  // namespace kestravane
