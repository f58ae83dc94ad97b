#pragma once

#include <string>

#include "app/services.h"

namespace kestravane {

// The program from start to end, once the application exists: one copy per
// user, the support library, the splash, the settings, the main window and
// the event loop, which draws and plays with `services`. Returns the exit
// code.
int RunKestravane(const std::string& commandLine, Services& services);

}  // namespace kestravane
