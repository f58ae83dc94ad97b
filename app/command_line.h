#pragma once

#include <string>

#include "app/settings.h"

namespace kestravane {

// The document named on the command line becomes the settings' FileSpec and
// is opened at start-up. The whole text counts as one path, spaces included;
// double quotes are dropped. A path too long for the settings, or one that
// names something the game cannot read as a file (a folder, a file the
// player may not read), is refused with a box and leaves the settings as
// they were; a file that does not exist yet is taken.
void DocumentFromCommandLine(const std::string& text, AppSettings& settings);

}  // namespace kestravane
