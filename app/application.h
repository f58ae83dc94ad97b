#pragma once

#include <string>

namespace kestravane {

// The program from start to end, once the application exists: one copy per
// user, the support library, the splash, the settings, the main window and
// the event loop. Returns the exit code.
int RunKestravane(const std::string& commandLine);

}  // namespace kestravane
