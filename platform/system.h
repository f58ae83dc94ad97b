#pragma once

#include <cstdint>
#include <string>

namespace kestravane::platform {

// Seconds since 1970-01-01 by the calendar clock.
std::int64_t CalendarSeconds();

// Full path of the running executable.
std::string ExecutablePath();

// The user's configuration directory: $XDG_CONFIG_HOME, else ~/.config.
// Empty when the user has no home.
std::string UserConfigDirectory();

// The user's data directory: $XDG_DATA_HOME, else ~/.local/share. Empty
// when the user has no home.
std::string UserDataDirectory();

// True when new files can be created in `directory`.
bool DirectoryWritable(const std::string& directory);

// True when `path` names an existing file.
bool FileExists(const std::string& path);

// True when `path` names an existing directory.
bool DirectoryExists(const std::string& path);

}  // namespace kestravane::platform
