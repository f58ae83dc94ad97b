#pragma once

namespace platform {

// Starts the window system for this process. Call once, first of all.
void StartPlatform(int& argc, char** argv);
// Ends what StartPlatform started. Call once, last of all, before main returns:
// the window system cannot be taken down after that.
void StopPlatform();

// Runs the event loop until QuitEventLoop is called; returns its code.
int RunEventLoop();
void QuitEventLoop(int code);

}  // namespace platform
