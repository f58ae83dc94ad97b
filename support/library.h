#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/color.h"
#include "platform/rect.h"

namespace kestravane {

// What the support library knows about the running program, found once at
// start-up, before any window exists.
struct LibraryState {
  std::string ModulePath;  // the executable, as the system reports it
  std::string IniPath;     // the settings file
  platform::Color BackgroundColor{192, 192, 192};  // of every window of the game
  platform::Rect DesktopRect;  // as it was at start-up: windows centre on it
};

// The executable's path and where the settings file lives, for a program
// without a screen.
LibraryState ProgramPaths();

// The library for the program on screen: ProgramPaths, the background
// colour and the desktop.
LibraryState StartLibrary();

// `path` without the extension of its file name. Dots in directory names do
// not count, nor does the leading dot of a hidden file; a name without an
// extension gives the whole path.
std::string PathBase(std::string_view path);

// Where an installed game keeps its private libraries, relative to the
// folder of its program ("../lib/games/kestravane" for /usr/games/kestravane).
extern const char* const InstalledLibraryFolder;

// The settings file for the executable at `modulePath`: beside it, with the
// extension ".ini", when the executable's directory takes new files and the
// game is not installed there (it has no InstalledLibraryFolder); else a
// file of the same name in the game's own folder in the user's
// configuration directory, kestravane/, so that a game installed read-only,
// or for everyone, still remembers each player's settings. Empty when that
// is where it would go and the user has no home: the game then keeps no
// settings.
std::string IniPathFor(std::string_view modulePath);

}  // namespace kestravane
