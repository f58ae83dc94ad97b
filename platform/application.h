#pragma once

#include <string>

namespace platform {

// Starts the window system for this process. Call once, first of all. The
// window system is given the program's name and nothing else of its command
// line. When it cannot start (no display, no usable platform plugin), the
// program ends here with exit code 1 and a message on standard error.
void StartPlatform(char* programName);
// Ends what StartPlatform started. Call once, last of all, before main returns:
// the window system cannot be taken down after that.
void StopPlatform();

// Where the window system keeps what it remembers between runs on its own
// account (the file dialog its last folder and view): the folder of the
// game's settings, so that the game writes nowhere else in the player's home.
void KeepWindowSystemStateIn(const std::string& directory);

// Runs the event loop until QuitEventLoop is called; returns its code.
int RunEventLoop();
void QuitEventLoop(int code);

}  // namespace platform
