#pragma once

#include <cstdint>
#include <string>

#include "engine/game_state.h"
#include "support/placement.h"

namespace kestravane {

// The longest document path the settings keep, as the game always has.
inline constexpr std::size_t FileSpecLength = 255;

// How many times as large as its own pixels the main window shows the game:
// each game pixel a square of that many screen pixels a side.
inline constexpr int SmallestZoom = 1;
inline constexpr int LargestZoom = 3;

// Whether the settings can keep `path` as the last document: one that is too
// long, or runs over more than one line, would come back as some other file.
inline bool FitsFileSpec(const std::string& path) {
  return path.size() <= FileSpecLength && path.find_first_of("\r\n") == std::string::npos;
}

// The player's options, the last game document and where the windows were,
// kept from one run to the next in the settings file.
struct AppSettings {
  std::string FileSpec;  // at most FileSpecLength characters
  Placement MainPlacement;
  bool TopMost = false;
  int Zoom = SmallestZoom;
  kestravane::Difficulty Difficulty = kestravane::Difficulty::Normal;
  bool Sounds = false;
  bool OpenAtStart = false;  // this run only: a document came on the command line
  bool Unreadable = false;   // this run only: the file could not be read, and is left as it is
  Placement AimPlacement;
  Placement HelmPlacement;
  Placement ScannerPlacement;
  Placement UniversePlacement;
  Placement RecordPlacement;

  bool operator==(const AppSettings&) const = default;
};

// The settings in the file at `iniPath`, defaults for whatever is missing.
AppSettings LoadSettings(const std::string& iniPath);

// Writes the settings to the file at `iniPath`, with the program's
// identification: the publisher's line naming the program and its version,
// and the [Application] block, once and whole. One the player made
// read-only, or that is no settings file at all (a folder, a pipe, a device,
// more than a mebibyte, a NUL byte), is left as it is. False when the file
// was not written: the game goes on with what it has.
bool SaveSettings(const AppSettings& settings, const std::string& iniPath);

}  // namespace kestravane
