#include "app/settings.h"

#include <initializer_list>
#include <utility>

#include "engine/game_state.h"
#include "platform/profile.h"

namespace kestravane {

namespace {

const std::string ProductSection = "Kestravane";
const std::string OptionsSection = "Options";
const std::string ApplicationSection = "Application";
const std::string ViewSection = "View";

const std::string ProgramTitle = "Kestravane for Windows 95/NT";
const std::string ProgramVersion = "v2.2";
const std::string DefaultFileSpec = "Davuvodo.war";
constexpr Difficulty DefaultDifficulty = Difficulty::Normal;

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

// Every placement defaults to the same spot: a window with no saved position
// opens near the top left corner of the desktop.
constexpr Placement DefaultPlacement = {35, 35, 200, 350, 1};

void WriteNumber(platform::Profile& profile, const std::string& section, const std::string& key,
                 std::uint32_t value) {
  profile.Set(section, key, std::to_string(value));
}

void ReadPlacement(const platform::Profile& profile, const std::string& section, Placement& placement) {
  placement.Top = profile.Int(section, "Top", DefaultPlacement.Top);
  placement.Left = profile.Int(section, "Left", DefaultPlacement.Left);
  placement.Width = profile.Int(section, "Width", DefaultPlacement.Width);
  placement.Height = profile.Int(section, "Height", DefaultPlacement.Height);
  placement.Show = profile.Int(section, "Show", DefaultPlacement.Show);
}

// Negative coordinates (a window pushed past the left or top edge of the
// screen) are written as their unsigned 32-bit value and read back as the
// same bits, so they survive the round trip.
void WritePlacement(platform::Profile& profile, const std::string& section, const Placement& placement) {
  WriteNumber(profile, section, "Top", static_cast<std::uint32_t>(placement.Top));
  WriteNumber(profile, section, "Left", static_cast<std::uint32_t>(placement.Left));
  WriteNumber(profile, section, "Width", static_cast<std::uint32_t>(placement.Width));
  WriteNumber(profile, section, "Height", static_cast<std::uint32_t>(placement.Height));
  WriteNumber(profile, section, "Show", static_cast<std::uint32_t>(placement.Show));
}

// The level is kept as the game numbers it. Any other number, negative or
// past Easy, is repaired to the default.
Difficulty ReadDifficulty(const platform::Profile& profile) {
  const std::int32_t number =
      profile.Int(OptionsSection, "Difficulty", static_cast<std::int32_t>(DefaultDifficulty));
  for (const Difficulty level : {Difficulty::Hard, Difficulty::Normal, Difficulty::Easy})
    if (number == static_cast<std::int32_t>(level)) return level;
  return DefaultDifficulty;
}

// Written as a number like every other, whatever the game holds.
void WriteDifficulty(platform::Profile& profile, Difficulty level) {
  WriteNumber(profile, OptionsSection, "Difficulty", static_cast<std::uint32_t>(static_cast<std::int32_t>(level)));
}

// Any number but a zoom the window offers, from a file edited by hand or by
// another version, shows the game at its own size.
int ReadZoom(const platform::Profile& profile) {
  const std::int32_t zoom = profile.Int(ViewSection, "Zoom", SmallestZoom);
  return zoom >= SmallestZoom && zoom <= LargestZoom ? zoom : SmallestZoom;
}

// A flag is set when its value is nonzero; it is written as 0 or 1.
bool ReadFlag(const platform::Profile& profile, const std::string& section, const std::string& key) {
  return profile.Int(section, key, 0) != 0;
}

void WriteFlag(platform::Profile& profile, const std::string& section, const std::string& key, bool flag) {
  profile.Set(section, key, flag ? "1" : "0");
}

// Records the program and its publisher in the settings. The program's line
// that would go into a profile shared by every program goes into the
// publisher's section of this same file: the game writes nothing outside its
// own folder.
void WriteProgramInfo(platform::Profile& profile, const std::string& title, const std::string& version) {
  profile.Set(PublisherName, title, version);
  profile.Set(ApplicationSection, "Program", title);
  profile.Set(ApplicationSection, "Version", version);
  for (const auto& [key, text] : PublisherContacts) profile.Set(ApplicationSection, key, text);
}

}  // namespace

AppSettings LoadSettings(const std::string& ini) {
  const platform::Profile profile(ini);
  AppSettings settings;
  settings.Unreadable = !profile.Readable();
  settings.FileSpec = profile.String(ProductSection, "FileSpec", DefaultFileSpec).substr(0, FileSpecLength);
  ReadPlacement(profile, ProductSection, settings.MainPlacement);
  settings.TopMost = ReadFlag(profile, ProductSection, "TopMost");
  settings.Zoom = ReadZoom(profile);
  settings.Difficulty = ReadDifficulty(profile);
  settings.Sounds = ReadFlag(profile, OptionsSection, "Sounds");
  ReadPlacement(profile, "Aim", settings.AimPlacement);
  ReadPlacement(profile, "Helm", settings.HelmPlacement);
  ReadPlacement(profile, "Scanner", settings.ScannerPlacement);
  ReadPlacement(profile, "Universe", settings.UniversePlacement);
  ReadPlacement(profile, "Record", settings.RecordPlacement);
  return settings;
}

// The file is read again rather than remembered from the start, so that
// whatever else it holds now is kept, and written once, whole.
bool SaveSettings(const AppSettings& settings, const std::string& ini) {
  platform::Profile profile(ini);
  WriteProgramInfo(profile, ProgramTitle, ProgramVersion);
  profile.Set(ProductSection, "FileSpec", settings.FileSpec.substr(0, FileSpecLength));
  WritePlacement(profile, ProductSection, settings.MainPlacement);
  WriteFlag(profile, ProductSection, "TopMost", settings.TopMost);
  WriteNumber(profile, ViewSection, "Zoom", static_cast<std::uint32_t>(settings.Zoom));
  WriteDifficulty(profile, settings.Difficulty);
  WriteFlag(profile, OptionsSection, "Sounds", settings.Sounds);
  WritePlacement(profile, "Aim", settings.AimPlacement);
  WritePlacement(profile, "Helm", settings.HelmPlacement);
  WritePlacement(profile, "Scanner", settings.ScannerPlacement);
  WritePlacement(profile, "Universe", settings.UniversePlacement);
  WritePlacement(profile, "Record", settings.RecordPlacement);
  return profile.Save();
}

}  // namespace kestravane
