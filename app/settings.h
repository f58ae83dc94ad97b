#pragma once

#include <array>
#include <cstdint>
#include <string>

// A window's remembered position. Only Top and Left place a window (the main
// window and the dialogs keep their own size); Height and Width are kept up
// to date for whoever edits the file, and Show rides along unchanged.
struct Placement {
  std::int32_t Top;
  std::int32_t Left;
  std::int32_t Height;
  std::int32_t Width;
  std::int32_t Show;
};

inline constexpr std::size_t FileSpecSize = 256;  // 255 characters and the terminator

// The player's options, the last game document and where the windows were,
// kept from one run to the next in the settings file.
struct AppSettings {
  std::array<char, FileSpecSize> FileSpec;  // zero-terminated
  Placement MainPlacement;
  std::int32_t TopMost;
  std::int32_t Difficulty;  // 3 Easy, 2 Normal, 1 Hard
  std::int32_t Sounds;
  std::int32_t OpenAtStart;     // this run only: a document came on the command line
  std::int32_t ScannerTracing;  // this run only: every enemy ship shown
  Placement AimPlacement;
  Placement HelmPlacement;
  Placement ScannerPlacement;
};

extern AppSettings Settings;

// Fills `settings` from the settings file, defaults for whatever is missing.
// Returns 0 for a null record, else 1.
int LoadSettings(AppSettings* settings);

// Writes `settings` to the settings file, with the program's identification
// block and its line in the system profile. Returns 0 for a null record,
// else 1; a file that cannot be written is not reported.
int SaveSettings(const AppSettings* settings);

int ReadPlacement(const std::string& section, Placement* placement, const std::string& iniPath);
int WritePlacement(const std::string& section, const Placement* placement,
                   const std::string& iniPath);

// A flag is set when its value is nonzero; it is written as 0 or 1.
int ReadFlag(const std::string& section, const std::string& key, int fallback,
             const std::string& iniPath);
void WriteFlag(const std::string& section, const std::string& key, int flag,
               const std::string& iniPath);

void WriteNumber(const std::string& section, const std::string& key, std::uint32_t value,
                 const std::string& iniPath);

// Records the program and its publisher in the settings file and the
// program's line in the user's system profile.
int WriteProgramInfo(const std::string& title, const std::string& version);

int FlushProfile(const std::string& iniPath);
