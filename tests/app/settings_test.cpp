#include "app/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>

#include "common/file_contents.h"
#include "common/killed_midway.h"
#include "common/temporary_directory.h"
#include "platform/profile.h"

using namespace kestravane;
namespace fs = std::filesystem;

namespace {

class Settings : public ::testing::Test {
 protected:
  TemporaryDirectory directory_;
  fs::path root_ = directory_.path();
  fs::path ini_ = root_ / "kestravane.ini";
  AppSettings Loaded() const { return LoadSettings(ini_.string()); }
  void Save(const AppSettings& settings) const { SaveSettings(settings, ini_.string()); }
};

}  // namespace

// Each NAME.ini under tests/app/settings/, loaded and saved, gives NAME.saved.ini byte for byte, and saving again
// changes nothing; "none" is no file at all. Between them the files hold every field and the profile's reading rules.
TEST_F(Settings, EachFileLoadedAndSavedGivesItsExpectedFile) {
  for (const auto& entry : fs::directory_iterator(KESTRAVANE_SETTINGS_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name.ends_with(".saved.ini")) continue;
    fs::remove(ini_);
    if (name != "none.ini") fs::copy_file(entry.path(), ini_);
    const AppSettings settings = Loaded();
    Save(settings);
    const std::string saved = FileContents(ini_);
    EXPECT_EQ(saved, FileContents(entry.path().parent_path() / (entry.path().stem().string() + ".saved.ini"))) << name;
    EXPECT_EQ(Loaded(), settings) << name;
    Save(Loaded());
    EXPECT_EQ(FileContents(ini_), saved) << name;
  }
}

// What is no settings file the game may replace is read as the defaults, noted as unreadable (a read-only file as it
// is), and left exactly as it was: a folder, a pipe, a link to a device of the test's own, a file past a mebibyte, a
// read-only file. A mebibyte exactly is read.
TEST_F(Settings, WhatIsNoReplaceableFileIsLeftAsItWas) {
  alarm(20);  // a hang on the pipe fails the test instead of the run
  fs::create_directories(root_ / "folder.ini");
  ASSERT_EQ(mkfifo((root_ / "pipe.ini").c_str(), 0644), 0);
  const bool root = mknod((root_ / "zero").c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0;
  if (root) fs::create_symlink(root_ / "zero", root_ / "device.ini");
  const std::string head = "[Options]\nDifficulty=3\n; ";
  const std::string big = head + std::string(1024 * 1024 - head.size(), 'x') + "\n";  // a byte too many
  StoreFile(root_ / "big.ini", big);
  StoreFile(root_ / "locked.ini", "[Options]\nDifficulty=3\n");
  fs::permissions(root_ / "locked.ini", fs::perms::owner_read);
  AppSettings unreadable = LoadSettings((root_ / "none.ini").string());
  unreadable.Unreadable = true;
  const int entries = EntriesIn(root_);
  for (const char* name : {"folder.ini", "pipe.ini", "device.ini", "big.ini", "locked.ini"}) {
    if (!root && name == std::string("device.ini")) continue;
    const fs::path file = root_ / name;
    const AppSettings settings = LoadSettings(file.string());
    EXPECT_TRUE(name == std::string("locked.ini") ? settings.Difficulty == Difficulty::Easy : settings == unreadable)
        << name;
    SaveSettings(settings, file.string());
  }
  alarm(0);
  EXPECT_TRUE(fs::is_empty(root_ / "folder.ini") && fs::is_fifo(root_ / "pipe.ini"));
  EXPECT_EQ(root, fs::is_symlink(root_ / "device.ini") && fs::is_character_file(root_ / "zero"));
  EXPECT_EQ(FileContents(root_ / "big.ini"), big);
  EXPECT_EQ(FileContents(root_ / "locked.ini"), "[Options]\nDifficulty=3\n");
  EXPECT_EQ(EntriesIn(root_), entries) << "no file left beside them";
  StoreFile(ini_, big.substr(0, big.size() - 2) + "\n");
  EXPECT_EQ(Loaded().Difficulty, Difficulty::Easy);
  if (!root) GTEST_SKIP() << "the device case needs root to make a device node";
}

TEST_F(Settings, ASaveKilledMidwayOrGrowingPastTheLimitLeavesTheOldFileWhole) {
  const std::string text = "; kept\n[Kestravane]\nTop=100\n[Options]\nDifficulty=3\n";
  StoreFile(ini_, text);
  ASSERT_TRUE(KilledMidway(300, [&] { Save(Loaded()); }));
  EXPECT_EQ(std::pair(FileContents(ini_), EntriesIn(root_)), std::pair(text, 1));
  // Nor does the profile replace a file that would grow past its limit.
  const std::string tail = "\n[S]\nK=old\n";
  const std::string full = "; " + std::string(platform::Profile::LargestFile - tail.size() - 2, 'x') + tail;
  StoreFile(ini_, full);
  platform::Profile profile(ini_.string());
  ASSERT_EQ(profile.String("S", "K", ""), "old");
  profile.Set("S", "Longer", "a value the file has no room for");
  EXPECT_TRUE(!profile.Save() && FileContents(ini_) == full);
}

TEST_F(Settings, TheProfileWritesValuesBackWholeMakingItsFolders) {
  const std::string values[] = {" far away.war", "game.war\t", "\"quoted\"", "'", "\"", "a \"b\" c"};
  const fs::path nested = root_ / "a" / "b" / "c.ini";
  platform::Profile profile(nested.string());
  for (std::size_t i = 0; i < std::size(values); ++i) profile.Set("S", "K" + std::to_string(i), values[i]);
  profile.Set("S", "Evil", "one\n[Evil]\nTwo=2");
  ASSERT_TRUE(profile.Save());
  const platform::Profile reloaded(nested.string());
  for (std::size_t i = 0; i < std::size(values); ++i)
    EXPECT_EQ(reloaded.String("S", "K" + std::to_string(i), "<missing>"), values[i]);
  EXPECT_EQ(reloaded.String("S", "Evil", ""), "one") << "a value adds no lines";
  EXPECT_EQ(reloaded.String("Evil", "Two", "none"), "none");
  EXPECT_EQ(EntriesIn(nested.parent_path()), 1);

  StoreFile(root_ / "plain", "not a folder");
  platform::Profile blocked((root_ / "plain" / "x.ini").string());
  blocked.Set("S", "K", "v");
  EXPECT_FALSE(blocked.Save());
}
