#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/color.h"
#include "platform/rect.h"

// What the support library knows about the running program. Filled once at
// start-up, before any window exists, and read by everyone after that.
struct LibraryState {
  std::string ModulePath;  // the executable, as the system reports it
  std::string IniPath;     // the settings file
  platform::Color BackgroundColor;  // of every window of the game
  platform::Rect DesktopRect;       // as it was at start-up: boxes centre on it
};

extern LibraryState Library;

// Records the executable's path, works out where the settings file lives and
// seeds the game's random source from the clock.
void InitLibraryState();

// Starts the library for the program on screen: InitLibraryState, then the
// background colour and the desktop. Returns 1.
int InitVEZU();

// `path` without the extension of its file name. Dots in directory names do
// not count, nor does the leading dot of a hidden file; a name without an
// extension gives the whole path.
std::string PathBase(std::string_view path);

// The settings file for the executable at `modulePath`: beside it, with the
// extension ".ini", when the executable's directory takes new files; else a
// file of the same name in the user's configuration directory, so that a
// game installed read-only still remembers its settings.
std::string IniPathFor(std::string_view modulePath);

// Pixel height of a font of `points` on a device of `pixelsPerInch`,
// truncated toward zero.
int LogicalHeight(int pixelsPerInch, int points);

// The random seed for a start at `calendarSeconds`: its low 16 bits, the
// range the game's seeds have always had.
std::uint32_t RandomSeedFor(std::int64_t calendarSeconds);
