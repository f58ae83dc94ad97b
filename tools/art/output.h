#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "art_set.h"

namespace kestravane::art {

// Where each resource lives under resources/: the ID is the file name, so a
// person finds picture 5003 as bitmaps/5003.bmp.
std::string IconPath(unsigned id);
std::string BitmapPath(unsigned id);
// A page in a translation's language goes into that language's folder:
// bitmaps/de/5001.bmp.
std::string BitmapPath(unsigned id, const std::string& language);
std::string SoundPath(unsigned id);
// The program's icon for the desktop, by its size: desktop-icons/48x48.png.
std::string DesktopIconPath(int size);

// The resource collection file that embeds every file of the set in the
// executable.
std::string ResourceCollection(const ArtSet& set);

// Writes all files of the set under `directory`; false when any write fails.
bool WriteArtSet(const ArtSet& set, const std::filesystem::path& directory);

}  // namespace kestravane::art
