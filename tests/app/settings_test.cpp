#include "app/settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "common/config_home.h"
#include "common/file_contents.h"
#include "common/killed_midway.h"
#include "common/temporary_directory.h"
#include "platform/profile.h"

using namespace kestravane;

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) { return FileContents(path.string()); }

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

void StoreText(std::array<char, FileSpecSize>& field, const std::string& text) {
  field.fill('\0');
  text.copy(field.data(), field.size() - 1);
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
  EXPECT_EQ(settings.Difficulty, Difficulty::Normal);
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
    EXPECT_EQ(static_cast<int>(Loaded().Difficulty), loaded) << "Difficulty=" << written;
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
  settings.Difficulty = Difficulty::Easy;
  settings.Sounds = true;
  settings.AimPlacement = {1, 2, 3, 4, 5};
  settings.HelmPlacement = {6, 7, 8, 9, 0};
  settings.ScannerPlacement = {11, 12, 13, 14, 2};
  Save(settings);

  const AppSettings reloaded = Loaded();
  EXPECT_STREQ(reloaded.FileSpec.data(), "/home/player/games/Long Campaign.war");
  ExpectPlacement(reloaded.MainPlacement, 10, 20, 30, 40, 3);
  EXPECT_TRUE(reloaded.TopMost);
  EXPECT_EQ(reloaded.Difficulty, Difficulty::Easy);
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

TEST_F(SettingsFile, ADocumentPathEndingInBlanksComesBackWhole) {
  for (const std::string& path : {std::string("/games/next.war "), "/games/" + std::string(247, 'q') + "\t\tmore"}) {
    AppSettings settings = Loaded();
    StoreText(settings.FileSpec, path);
    Save(settings);
    EXPECT_STREQ(Loaded().FileSpec.data(), settings.FileSpec.data());
  }
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

// A hang fails the test instead of stopping the whole run.
class HangGuard {
 public:
  HangGuard() { alarm(20); }
  ~HangGuard() { alarm(0); }
  HangGuard(const HangGuard&) = delete;
  HangGuard& operator=(const HangGuard&) = delete;
};

// Counts what happens to the files of a folder while it lives.
class FolderWatch {
 public:
  explicit FolderWatch(const fs::path& folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    inotify_add_watch(fd_, folder.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE);
  }
  ~FolderWatch() { close(fd_); }
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  // How often `name` was renamed into place and how often written in place.
  std::pair<int, int> RenamesAndWritesOf(const std::string& name) {
    alignas(inotify_event) char buffer[64 * 1024];
    std::pair<int, int> counts;
    ssize_t length;
    while ((length = read(fd_, buffer, sizeof buffer)) > 0) {
      for (char* at = buffer; at < buffer + length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        if (event->len > 0 && name == event->name) {
          if (event->mask & IN_MOVED_TO) ++counts.first;
          if (event->mask & IN_CLOSE_WRITE) ++counts.second;
        }
        at += sizeof(inotify_event) + event->len;
      }
    }
    return counts;
  }

 private:
  int fd_;
};

int EntriesIn(const fs::path& folder) {
  return static_cast<int>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

AppSettings Changed(AppSettings settings) {
  settings.Difficulty = Difficulty::Hard;
  settings.MainPlacement.Left = 444;
  return settings;
}

TEST_F(SettingsFile, AFolderOrAPipeInPlaceOfTheFileGivesTheDefaultsAndStaysAsItIs) {
  HangGuard guard;
  fs::create_directories(ini_);
  ASSERT_EQ(mkfifo((root_ / "pipe.ini").c_str(), 0644), 0);
  for (const fs::path& file : {ini_, root_ / "pipe.ini"}) {
    const AppSettings settings = LoadSettings(file.string());
    EXPECT_EQ(settings.Difficulty, Difficulty::Normal) << file;
    EXPECT_STREQ(settings.FileSpec.data(), "Davuvodo.war") << file;
    SaveSettings(Changed(settings), file.string());
  }
  EXPECT_TRUE(fs::is_directory(ini_));
  EXPECT_TRUE(fs::is_empty(ini_));
  EXPECT_TRUE(fs::is_fifo(root_ / "pipe.ini"));
}

// The device is one of the test's own, made in its folder: an endless source
// of zero bytes, as a player's link to the system's one would be.
TEST_F(SettingsFile, ALinkToADeviceGivesTheDefaultsAndStaysALinkToIt) {
  HangGuard guard;
  const fs::path device = root_ / "zero";
  if (mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 5)) != 0) GTEST_SKIP() << "making a device node needs root";
  fs::create_symlink(device, ini_);
  const AppSettings settings = Loaded();
  EXPECT_EQ(settings.Difficulty, Difficulty::Normal);
  Save(Changed(settings));
  EXPECT_TRUE(fs::is_symlink(ini_));
  EXPECT_EQ(fs::read_symlink(ini_), device);
  EXPECT_TRUE(fs::is_character_file(device));
}

TEST_F(SettingsFile, AFileOfMoreThanOneMebibyteIsGarbledAndKept) {
  const std::string text = "[Options]\nDifficulty=3\n; " + std::string(1024 * 1024, 'x') + "\n";
  WriteText(ini_, text);
  const AppSettings settings = Loaded();
  EXPECT_EQ(settings.Difficulty, Difficulty::Normal);
  Save(Changed(settings));
  EXPECT_TRUE(ReadText(ini_) == text) << "the file is left as it was";
}

TEST_F(SettingsFile, AFileOfUpToOneMebibyteIsRead) {
  const std::string head = "[Options]\nDifficulty=3\n; ";
  WriteText(ini_, head + std::string(1024 * 1024 - head.size() - 1, 'x') + "\n");
  ASSERT_EQ(fs::file_size(ini_), 1024u * 1024u);
  EXPECT_EQ(Loaded().Difficulty, Difficulty::Easy);
}

TEST_F(SettingsFile, AReadOnlyFileIsReadAndNotReplaced) {
  const std::string text = "; the player's own settings, kept as they are\n[Options]\nDifficulty=3\n";
  WriteText(ini_, text);
  fs::permissions(ini_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const AppSettings settings = Loaded();
  EXPECT_EQ(settings.Difficulty, Difficulty::Easy);
  Save(Changed(settings));
  EXPECT_EQ(ReadText(ini_), text);
  EXPECT_EQ(EntriesIn(root_), 1) << "nothing but the file";
}

TEST_F(SettingsFile, ASaveWritesTheWholeFileWithOneRename) {
  WriteText(ini_, "; kept\n[Kestravane]\nTop=100\n");
  FolderWatch watch(root_);
  Save(Changed(Loaded()));
  EXPECT_EQ(watch.RenamesAndWritesOf("kestravane.ini"), std::make_pair(1, 0));
  EXPECT_EQ(Loaded().MainPlacement.Left, 444);
  EXPECT_EQ(Loaded().MainPlacement.Top, 100);
}

TEST_F(SettingsFile, ASaveKilledMidwayLeavesTheOldFileWholeAndNoOtherFile) {
  const std::string text = "; kept\n[Kestravane]\nTop=100\n[Options]\nDifficulty=3\n";
  WriteText(ini_, text);
  const AppSettings settings = Changed(Loaded());
  ASSERT_TRUE(KilledMidway(300, [&] { Save(settings); }));
  EXPECT_EQ(ReadText(ini_), text);
  EXPECT_EQ(EntriesIn(root_), 1) << "nothing but the file";
}

TEST_F(ProfileFile, ValuesAreTrimmedAndMissingOnesTakeTheFallback) {
  WriteText(ini_, "[Paths]\nGame =   far away.war   \nEmpty=\n");
  const platform::Profile profile(ini_.string());
  EXPECT_EQ(profile.String("Paths", "Game", "x"), "far away.war");
  EXPECT_EQ(profile.String("paths", "GAME", "x"), "far away.war");
  EXPECT_EQ(profile.String("Paths", "Empty", "x"), "");
  EXPECT_EQ(profile.String("Paths", "Other", "x"), "x");
  EXPECT_EQ(profile.String("Elsewhere", "Game", "x"), "x");
  EXPECT_EQ(platform::Profile((root_ / "none.ini").string()).String("Paths", "Game", "x"), "x");
}

TEST_F(ProfileFile, NumbersAreTheLeadingDigitsWrappedTo32Bits) {
  WriteText(ini_,
            "[N]\nPlain=42\nTail=17 pixels\nSpaced=  9  \nWord=abc\nMinus=-8\nEmpty=\n"
            "Max=4294967295\nWrap=4294967298\nBig=4294967288\n");
  const platform::Profile profile(ini_.string());
  const std::pair<const char*, std::int32_t> cases[] = {
      {"Plain", 42}, {"Tail", 17},        {"Spaced", 9}, {"Word", 0},  {"Minus", 0},
      {"Empty", 77}, {"Missing", 77},     {"Max", -1},   {"Wrap", 2},  {"Big", -8},
  };
  for (const auto& [key, expected] : cases) EXPECT_EQ(profile.Int("N", key, 77), expected) << key;
}

TEST_F(ProfileFile, TheFirstOfTwoEqualKeysCountsAndBothSurviveElsewhere) {
  WriteText(ini_, "[A]\nKey=first\nKey=second\n[B]\nKey=1\n");
  platform::Profile profile(ini_.string());
  EXPECT_EQ(profile.String("A", "Key", ""), "first");
  profile.Set("B", "Key", "2");
  ASSERT_TRUE(profile.Save());
  EXPECT_EQ(ReadText(ini_), "[A]\nKey=first\nKey=second\n\n\n[B]\nKey=2\n");
}

TEST_F(ProfileFile, AValueCannotAddLinesToTheFile) {
  platform::Profile profile(ini_.string());
  profile.Set("S", "Key", "one\n[Evil]\nTwo=2");
  ASSERT_TRUE(profile.Save());
  EXPECT_EQ(ReadText(ini_), "[S]\nKey=one\n");
}

TEST_F(ProfileFile, WritingCreatesMissingFoldersAndLeavesNoTemporaryFiles) {
  const fs::path nested = root_ / "a" / "b" / "c.ini";
  platform::Profile profile(nested.string());
  profile.Set("S", "K", "v");
  ASSERT_TRUE(profile.Save());
  EXPECT_EQ(ReadText(nested), "[S]\nK=v\n");
  EXPECT_EQ(EntriesIn(nested.parent_path()), 1);
}

TEST_F(ProfileFile, AWriteThatCannotBeDoneIsReported) {
  WriteText(root_ / "plain", "not a folder");
  platform::Profile profile((root_ / "plain" / "x.ini").string());
  profile.Set("S", "K", "v");
  EXPECT_FALSE(profile.Save());
  EXPECT_EQ(ReadText(root_ / "plain"), "not a folder");
}

TEST_F(ProfileFile, AReplacedFileKeepsItsPermissions) {
  WriteText(ini_, "[S]\nK=old\n");
  fs::permissions(ini_, fs::perms::owner_read | fs::perms::owner_write);
  platform::Profile profile(ini_.string());
  profile.Set("S", "K", "new");
  ASSERT_TRUE(profile.Save());
  EXPECT_EQ(fs::status(ini_).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(ReadText(ini_), "[S]\nK=new\n");
}

TEST_F(ProfileFile, AWriteThroughALinkUpdatesTheLinkedFile) {
  const fs::path real = root_ / "shared.ini";
  WriteText(real, "[S]\nK=old\n");
  fs::create_symlink(real, ini_);
  platform::Profile profile(ini_.string());
  profile.Set("S", "K", "new");
  ASSERT_TRUE(profile.Save());
  EXPECT_TRUE(fs::is_symlink(ini_));
  EXPECT_EQ(ReadText(real), "[S]\nK=new\n");
}

TEST_F(ProfileFile, AValueWithBlanksOrQuotesAtItsEdgesComesBackWhole) {
  const std::string values[] = {" far away.war", "game.war\t", "\"quoted\"", "'", "\"", "a \"b\" c"};
  {
    platform::Profile profile(ini_.string());
    for (std::size_t i = 0; i < std::size(values); ++i) profile.Set("S", "K" + std::to_string(i), values[i]);
    ASSERT_TRUE(profile.Save());
  }
  const platform::Profile reloaded(ini_.string());
  for (std::size_t i = 0; i < std::size(values); ++i)
    EXPECT_EQ(reloaded.String("S", "K" + std::to_string(i), "<missing>"), values[i]);
  WriteText(ini_, "[S]\nA=\"  spaced  \"\nB='single'\nC=\"unmatched'\n");
  const platform::Profile quoted(ini_.string());
  EXPECT_EQ(quoted.String("S", "A", ""), "  spaced  ") << "quotes keep the blanks inside them";
  EXPECT_EQ(quoted.String("S", "B", ""), "single");
  EXPECT_EQ(quoted.String("S", "C", ""), "\"unmatched'");
}

TEST_F(ProfileFile, AFileThatWouldGrowPastTheLimitIsLeftReadable) {
  const std::string tail = "\n[S]\nK=old\n";
  const std::string text = "; " + std::string(platform::Profile::LargestFile - tail.size() - 2, 'x') + tail;
  WriteText(ini_, text);
  platform::Profile profile(ini_.string());
  ASSERT_EQ(profile.String("S", "K", ""), "old");
  profile.Set("S", "Longer", "a value the file has no room for");
  EXPECT_FALSE(profile.Save());
  EXPECT_TRUE(ReadText(ini_) == text) << "the file is left as it was";
}

}  // namespace
