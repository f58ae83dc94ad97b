#include "app/settings.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/profile.h"

namespace {

const std::string ProductSection = "Kestravane";
const std::string OptionsSection = "Options";
const std::string ApplicationSection = "Application";

const std::string ProgramTitle = "Kestravane for Windows 95/NT";
const std::string ProgramVersion = "v2.2";
const std::string DefaultFileSpec = "Davuvodo.war";
constexpr std::int32_t DefaultDifficulty = 2;

// The publisher's identification, written into every settings file so that
// a file found on its own says which program it belongs to.
const std::string PublisherName = "Kestravane Works";
const std::pair<const char*, const char*> PublisherContacts[] = {
    {"Author", "Kestravane Works"},
    {"Address", "4 Quadrant Row"},
    {"Post Office", "Vanehold VH9 9QX"},
    {"Telephone", "555-0199"},
    {"CompuServe", "GO KESTRAVANE"},
    {"AOL", "Keyword: Kestravane"},
};

void StoreFileSpec(AppSettings& settings, const std::string& path) {
  settings.FileSpec.fill('\0');
  const std::size_t length = std::min(path.size(), FileSpecSize - 1);
  std::memcpy(settings.FileSpec.data(), path.data(), length);
}

std::string StoredFileSpec(const AppSettings& settings) {
  const char* text = settings.FileSpec.data();
  return std::string(text, strnlen(text, FileSpecSize - 1));
}

// Every placement defaults to the same spot: a window with no saved position
// opens near the top left corner of the desktop.
constexpr Placement DefaultPlacement = {35, 35, 200, 350, 1};

void WriteNumber(const std::string& section, const std::string& key, std::uint32_t value,
                 const std::string& iniPath) {
  platform::WriteProfileString(section, key, std::to_string(value), iniPath);
}

void ReadPlacement(const std::string& section, Placement& placement, const std::string& iniPath) {
  placement.Top = platform::ReadProfileInt(section, "Top", DefaultPlacement.Top, iniPath);
  placement.Left = platform::ReadProfileInt(section, "Left", DefaultPlacement.Left, iniPath);
  placement.Width = platform::ReadProfileInt(section, "Width", DefaultPlacement.Width, iniPath);
  placement.Height = platform::ReadProfileInt(section, "Height", DefaultPlacement.Height, iniPath);
  placement.Show = platform::ReadProfileInt(section, "Show", DefaultPlacement.Show, iniPath);
}

// Negative coordinates (a window pushed past the left or top edge of the
// screen) are written as their unsigned 32-bit value and read back as the
// same bits, so they survive the round trip.
void WritePlacement(const std::string& section, const Placement& placement, const std::string& iniPath) {
  WriteNumber(section, "Top", static_cast<std::uint32_t>(placement.Top), iniPath);
  WriteNumber(section, "Left", static_cast<std::uint32_t>(placement.Left), iniPath);
  WriteNumber(section, "Width", static_cast<std::uint32_t>(placement.Width), iniPath);
  WriteNumber(section, "Height", static_cast<std::uint32_t>(placement.Height), iniPath);
  WriteNumber(section, "Show", static_cast<std::uint32_t>(placement.Show), iniPath);
}

// A flag is set when its value is nonzero; it is written as 0 or 1.
bool ReadFlag(const std::string& section, const std::string& key, const std::string& iniPath) {
  return platform::ReadProfileInt(section, key, 0, iniPath) != 0;
}

void WriteFlag(const std::string& section, const std::string& key, bool flag, const std::string& iniPath) {
  platform::WriteProfileString(section, key, flag ? "1" : "0", iniPath);
}

// Records the program and its publisher in the settings file. The program's
// line that would go into a profile shared by every program goes into the
// publisher's section of this same file: the game writes nothing outside
// its own folder.
void WriteProgramInfo(const std::string& title, const std::string& version, const std::string& ini) {
  platform::WriteProfileString(PublisherName, title, version, ini);
  platform::FlushProfile(ini);
  platform::WriteProfileString(ApplicationSection, "Program", title, ini);
  platform::WriteProfileString(ApplicationSection, "Version", version, ini);
  for (const auto& [key, text] : PublisherContacts) {
    platform::WriteProfileString(ApplicationSection, key, text, ini);
  }
  platform::FlushProfile(ini);
}

}  // namespace

AppSettings LoadSettings(const std::string& ini) {
  AppSettings settings;
  platform::FlushProfile(ini);
  StoreFileSpec(settings, platform::ReadProfileString(ProductSection, "FileSpec", DefaultFileSpec, ini));
  ReadPlacement(ProductSection, settings.MainPlacement, ini);
  settings.TopMost = ReadFlag(ProductSection, "TopMost", ini);
  settings.Difficulty = platform::ReadProfileInt(OptionsSection, "Difficulty", DefaultDifficulty, ini);
  settings.Sounds = ReadFlag(OptionsSection, "Sounds", ini);
  // Compared unsigned so that a negative level is repaired too.
  const auto level = static_cast<std::uint32_t>(settings.Difficulty);
  if (level == 0 || level > 3) settings.Difficulty = DefaultDifficulty;
  platform::FlushProfile(ini);
  ReadPlacement("Aim", settings.AimPlacement, ini);
  ReadPlacement("Helm", settings.HelmPlacement, ini);
  ReadPlacement("Scanner", settings.ScannerPlacement, ini);
  return settings;
}

void SaveSettings(const AppSettings& settings, const std::string& ini) {
  WriteProgramInfo(ProgramTitle, ProgramVersion, ini);
  platform::FlushProfile(ini);
  platform::WriteProfileString(ProductSection, "FileSpec", StoredFileSpec(settings), ini);
  WritePlacement(ProductSection, settings.MainPlacement, ini);
  WriteFlag(ProductSection, "TopMost", settings.TopMost, ini);
  WriteNumber(OptionsSection, "Difficulty", static_cast<std::uint32_t>(settings.Difficulty), ini);
  WriteFlag(OptionsSection, "Sounds", settings.Sounds, ini);
  platform::FlushProfile(ini);
  WritePlacement("Aim", settings.AimPlacement, ini);
  WritePlacement("Helm", settings.HelmPlacement, ini);
  WritePlacement("Scanner", settings.ScannerPlacement, ini);
}
