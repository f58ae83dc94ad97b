#include "app/settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "common/config_home.h"
#include "common/file_contents.h"
#include "common/temporary_directory.h"
#include "platform/profile.h"

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) { return FileContents(path.string()); }

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Every test gets its own settings file in a fresh temporary folder, and a
// configuration folder of its own, never the player's real ones.
class TemporaryProfiles : public ::testing::Test {
 protected:
  TemporaryDirectory directory_;
  fs::path root_ = directory_.path();
  fs::path configHome_ = root_ / "config";
  fs::path ini_ = root_ / "kestravane.ini";
  ScopedConfigHome home_{configHome_.string()};
};

class SettingsFile : public TemporaryProfiles {
 protected:
  AppSettings Loaded() const { return LoadSettings(ini_.string()); }
  void Save(const AppSettings& settings) const { SaveSettings(settings, ini_.string()); }
};

using ProfileFile = TemporaryProfiles;

void ExpectPlacement(const Placement& placement, int top, int left, int height, int width,
                     int show) {
  EXPECT_EQ(placement.Top, top);
  EXPECT_EQ(placement.Left, left);
  EXPECT_EQ(placement.Height, height);
  EXPECT_EQ(placement.Width, width);
  EXPECT_EQ(placement.Show, show);
}

std::string PlacementLines(const char* section, const char* top = "35", const char* left = "35") {
  return std::string("[") + section + "]\n" + "Top=" + top + "\nLeft=" + left +
         "\nWidth=350\nHeight=200\nShow=1\n";
}

TEST_F(SettingsFile, WithoutAFileEverySettingTakesItsDefault) {
  const AppSettings settings = Loaded();

  EXPECT_STREQ(settings.FileSpec.data(), "Davuvodo.war");
  ExpectPlacement(settings.MainPlacement, 35, 35, 200, 350, 1);
  EXPECT_FALSE(settings.TopMost);
  EXPECT_EQ(settings.Difficulty, 2);
  EXPECT_FALSE(settings.Sounds);
  ExpectPlacement(settings.AimPlacement, 35, 35, 200, 350, 1);
  ExpectPlacement(settings.HelmPlacement, 35, 35, 200, 350, 1);
  ExpectPlacement(settings.ScannerPlacement, 35, 35, 200, 350, 1);
  // The run-time switch belongs to the running program, not to the file.
  EXPECT_FALSE(settings.OpenAtStart);
  EXPECT_FALSE(fs::exists(ini_));
}

TEST_F(SettingsFile, FirstSaveWritesEveryKeyAndTheProgramsLineOnlyIntoTheSettingsFile) {
  AppSettings settings = Loaded();
  Save(settings);

  const std::string expected =
      "[Kestravane Works]\n"
      "Kestravane for Windows 95/NT=v2.2\n"
      "\n\n"
      "[Application]\n"
      "Program=Kestravane for Windows 95/NT\n"
      "Version=v2.2\n"
      "Author=Kestravane Works\n"
      "Address=4 Quadrant Row\n"
      "Post Office=Vanehold VH9 9QX\n"
      "Telephone=555-0199\n"
      "CompuServe=GO KESTRAVANE\n"
      "AOL=Keyword: Kestravane\n"
      "\n\n"
      "[Kestravane]\n"
      "FileSpec=Davuvodo.war\n"
      "Top=35\nLeft=35\nWidth=350\nHeight=200\nShow=1\n"
      "TopMost=0\n"
      "\n\n"
      "[Options]\n"
      "Difficulty=2\n"
      "Sounds=0\n"
      "\n\n" +
      PlacementLines("Aim") + "\n\n" + PlacementLines("Helm") + "\n\n" + PlacementLines("Scanner");
  EXPECT_EQ(ReadText(ini_), expected);
  // Nothing goes into a profile shared with other programs.
  EXPECT_FALSE(fs::exists(configHome_));
  EXPECT_EQ(std::distance(fs::directory_iterator(root_), fs::directory_iterator()), 1);
}

TEST_F(SettingsFile, OutOfRangeDifficultyIsRepairedToNormal) {
  const std::pair<const char*, int> cases[] = {
      {"7", 2}, {"0", 2}, {"-1", 2}, {"4294967295", 2}, {"4", 2}, {"1", 1}, {"3", 3},
  };
  for (const auto& [written, loaded] : cases) {
    WriteText(ini_, std::string("[Options]\nDifficulty=") + written + "\n");
    EXPECT_EQ(Loaded().Difficulty, loaded) << "Difficulty=" << written;
  }
}

TEST_F(SettingsFile, FlagsAreSetWhenNonzeroAndWrittenBackAsOne) {
  WriteText(ini_, "[Kestravane]\nTopMost=5\n[Options]\nSounds=12\n");
  AppSettings settings = Loaded();
  EXPECT_TRUE(settings.TopMost);
  EXPECT_TRUE(settings.Sounds);

  Save(settings);
  const std::string text = ReadText(ini_);
  EXPECT_NE(text.find("\nTopMost=1\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nSounds=1\n"), std::string::npos) << text;
}

TEST_F(SettingsFile, NegativePositionsSurviveTheRoundTrip) {
  AppSettings settings = Loaded();
  settings.MainPlacement.Left = -8;
  settings.HelmPlacement.Top = -1200;
  Save(settings);

  const std::string text = ReadText(ini_);
  EXPECT_NE(text.find("[Kestravane]\nFileSpec=Davuvodo.war\nTop=35\nLeft=4294967288\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("[Helm]\nTop=4294966096\n"), std::string::npos) << text;

  const AppSettings reloaded = Loaded();
  EXPECT_EQ(reloaded.MainPlacement.Left, -8);
  EXPECT_EQ(reloaded.HelmPlacement.Top, -1200);
}

TEST_F(SettingsFile, EveryStoredFieldComesBackAsSaved) {
  AppSettings settings = Loaded();
  const std::string path = "/home/player/games/Long Campaign.war";
  std::memcpy(settings.FileSpec.data(), path.c_str(), path.size() + 1);
  settings.MainPlacement = {10, 20, 30, 40, 3};
  settings.TopMost = true;
  settings.Difficulty = 3;
  settings.Sounds = true;
  settings.AimPlacement = {1, 2, 3, 4, 5};
  settings.HelmPlacement = {6, 7, 8, 9, 0};
  settings.ScannerPlacement = {11, 12, 13, 14, 2};
  Save(settings);

  const AppSettings reloaded = Loaded();
  EXPECT_STREQ(reloaded.FileSpec.data(), "/home/player/games/Long Campaign.war");
  ExpectPlacement(reloaded.MainPlacement, 10, 20, 30, 40, 3);
  EXPECT_TRUE(reloaded.TopMost);
  EXPECT_EQ(reloaded.Difficulty, 3);
  EXPECT_TRUE(reloaded.Sounds);
  ExpectPlacement(reloaded.AimPlacement, 1, 2, 3, 4, 5);
  ExpectPlacement(reloaded.HelmPlacement, 6, 7, 8, 9, 0);
  ExpectPlacement(reloaded.ScannerPlacement, 11, 12, 13, 14, 2);
}

TEST_F(SettingsFile, SavingTwiceWritesTheSameBytes) {
  WriteText(ini_, "; kept by hand\n\n[Mods]\nPalette=amber\n[Helm]\nTop=-4\n");
  AppSettings settings = Loaded();
  settings.AimPlacement.Left = -30;
  Save(settings);
  const std::string first = ReadText(ini_);
  Save(settings);
  EXPECT_EQ(ReadText(ini_), first);
}

TEST_F(SettingsFile, ASaveKeepsWhateverElseTheFileHolds) {
  WriteText(ini_,
            "; settings of the player's own tools\n"
            "\n"
            "[Mods]\n"
            "Palette=amber\n"
            "\n"
            "; where the main window sits\n"
            "[Kestravane]\n"
            "Top=100\n"
            "; a note the player left\n"
            "Extra=yes\n");
  AppSettings settings = Loaded();
  ASSERT_EQ(settings.MainPlacement.Top, 100);
  Save(settings);

  // The known keys keep their places and the new ones follow them in the
  // order they were written; the other section and the comments stay.
  const std::string text = ReadText(ini_);
  const std::string head =
      "; settings of the player's own tools\n"
      "\n\n"
      "[Mods]\n"
      "Palette=amber\n"
      "\n\n"
      "; where the main window sits\n"
      "[Kestravane]\n"
      "Top=100\n"
      "\n; a note the player left\n"
      "Extra=yes\n"
      "FileSpec=Davuvodo.war\n"
      "Left=35\nWidth=350\nHeight=200\nShow=1\nTopMost=0\n"
      "\n\n"
      "[Kestravane Works]\n"
      "Kestravane for Windows 95/NT=v2.2\n"
      "\n\n"
      "[Application]\n"
      "Program=Kestravane for Windows 95/NT\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
}

TEST_F(SettingsFile, ALongDocumentPathIsCutTo255Characters) {
  const std::string longPath = "/games/" + std::string(300, 'q') + ".war";
  WriteText(ini_, "[Kestravane]\nFileSpec=" + longPath + "\n");
  AppSettings settings = Loaded();
  EXPECT_EQ(std::strlen(settings.FileSpec.data()), 255u);
  EXPECT_EQ(std::string(settings.FileSpec.data()), longPath.substr(0, 255));

  Save(settings);
  EXPECT_NE(ReadText(ini_).find("FileSpec=" + longPath.substr(0, 255) + "\n"),
            std::string::npos);
}

TEST_F(ProfileFile, ValuesAreTrimmedAndMissingOnesTakeTheFallback) {
  WriteText(ini_, "[Paths]\nGame =   far away.war   \nEmpty=\n");
  const std::string path = ini_.string();
  EXPECT_EQ(platform::ReadProfileString("Paths", "Game", "x", path), "far away.war");
  EXPECT_EQ(platform::ReadProfileString("paths", "GAME", "x", path), "far away.war");
  EXPECT_EQ(platform::ReadProfileString("Paths", "Empty", "x", path), "");
  EXPECT_EQ(platform::ReadProfileString("Paths", "Other", "x", path), "x");
  EXPECT_EQ(platform::ReadProfileString("Elsewhere", "Game", "x", path), "x");
  EXPECT_EQ(platform::ReadProfileString("Paths", "Game", "x", (root_ / "none.ini").string()), "x");
}

TEST_F(ProfileFile, NumbersAreTheLeadingDigitsWrappedTo32Bits) {
  WriteText(ini_,
            "[N]\nPlain=42\nTail=17 pixels\nSpaced=  9  \nWord=abc\nMinus=-8\nEmpty=\n"
            "Max=4294967295\nWrap=4294967298\nBig=4294967288\n");
  const std::string path = ini_.string();
  const std::pair<const char*, std::int32_t> cases[] = {
      {"Plain", 42}, {"Tail", 17},        {"Spaced", 9}, {"Word", 0},  {"Minus", 0},
      {"Empty", 77}, {"Missing", 77},     {"Max", -1},   {"Wrap", 2},  {"Big", -8},
  };
  for (const auto& [key, expected] : cases) {
    EXPECT_EQ(platform::ReadProfileInt("N", key, 77, path), expected) << key;
  }
}

TEST_F(ProfileFile, TheFirstOfTwoEqualKeysCountsAndBothSurviveElsewhere) {
  WriteText(ini_, "[A]\nKey=first\nKey=second\n[B]\nKey=1\n");
  const std::string path = ini_.string();
  EXPECT_EQ(platform::ReadProfileString("A", "Key", "", path), "first");
  ASSERT_TRUE(platform::WriteProfileString("B", "Key", "2", path));
  EXPECT_EQ(ReadText(ini_), "[A]\nKey=first\nKey=second\n\n\n[B]\nKey=2\n");
}

TEST_F(ProfileFile, AValueCannotAddLinesToTheFile) {
  const std::string path = ini_.string();
  ASSERT_TRUE(platform::WriteProfileString("S", "Key", "one\n[Evil]\nTwo=2", path));
  EXPECT_EQ(ReadText(ini_), "[S]\nKey=one\n");
}

TEST_F(ProfileFile, WritingCreatesMissingFoldersAndLeavesNoTemporaryFiles) {
  const fs::path nested = root_ / "a" / "b" / "c.ini";
  ASSERT_TRUE(platform::WriteProfileString("S", "K", "v", nested.string()));
  EXPECT_EQ(ReadText(nested), "[S]\nK=v\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(nested.parent_path()), fs::directory_iterator()),
            1);
}

TEST_F(ProfileFile, AWriteThatCannotBeDoneIsReported) {
  WriteText(root_ / "plain", "not a folder");
  EXPECT_FALSE(platform::WriteProfileString("S", "K", "v", (root_ / "plain" / "x.ini").string()));
  EXPECT_EQ(ReadText(root_ / "plain"), "not a folder");
}

TEST_F(ProfileFile, AReplacedFileKeepsItsPermissions) {
  WriteText(ini_, "[S]\nK=old\n");
  fs::permissions(ini_, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(platform::WriteProfileString("S", "K", "new", ini_.string()));
  EXPECT_EQ(fs::status(ini_).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(ReadText(ini_), "[S]\nK=new\n");
}

TEST_F(ProfileFile, AWriteThroughALinkUpdatesTheLinkedFile) {
  const fs::path real = root_ / "shared.ini";
  WriteText(real, "[S]\nK=old\n");
  fs::create_symlink(real, ini_);
  ASSERT_TRUE(platform::WriteProfileString("S", "K", "new", ini_.string()));
  EXPECT_TRUE(fs::is_symlink(ini_));
  EXPECT_EQ(ReadText(real), "[S]\nK=new\n");
}

}  // namespace
