#include "engine/random.h"
#include "support/library.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/config_home.h"
#include "common/temporary_directory.h"
#include "platform/system.h"

using namespace kestravane;

namespace {

namespace fs = std::filesystem;

TEST(PathBase, DropsOnlyTheExtensionOfTheFileName) {
  const std::pair<const char*, const char*> cases[] = {
      {"/usr/games/fleet.exe", "/usr/games/fleet"},
      {"/opt/kestravane-2.2/kestravane", "/opt/kestravane-2.2/kestravane"},  // dot in a folder
      {"/home/player/.kestravane", "/home/player/.kestravane"},  // hidden file, no extension
      {"/home/player/.kestravane.bin", "/home/player/.kestravane"},
      {"/srv/fleet.tar.gz", "/srv/fleet.tar"},
      {"/srv/fleet.", "/srv/fleet"},
      {"fleet", "fleet"},
      {"", ""},
  };
  for (const auto& [path, base] : cases) EXPECT_EQ(PathBase(path), base) << path;
}

class TemporaryConfigHome : public ::testing::Test {
 protected:
  TemporaryDirectory directory_;
  fs::path root_ = directory_.path();
  ScopedConfigHome home_{(root_ / "config").string()};
};

using IniPath = TemporaryConfigHome;
using StartUp = TemporaryConfigHome;

TEST_F(IniPath, LivesBesideAnExecutableInAWritableFolder) {
  fs::create_directory(root_ / "Games.d");
  const std::string folder = (root_ / "Games.d").string();
  EXPECT_EQ(IniPathFor(folder + "/Fleet.EXE"), folder + "/Fleet.ini");  // case is kept
  EXPECT_EQ(IniPathFor(folder + "/kestravane"), folder + "/kestravane.ini");
}

TEST_F(IniPath, MovesToTheGamesConfigurationFolderWhenTheExecutablesFolderIsNotWritable) {
  // A folder that does not exist takes no files, whoever runs the test.
  const std::string missing = (root_ / "missing" / "bin").string();
  ASSERT_FALSE(platform::DirectoryWritable(missing));
  EXPECT_EQ(IniPathFor(missing + "/Fleet.bin"), (root_ / "config" / "kestravane" / "Fleet.ini").string());
}

TEST_F(IniPath, MovesToTheGamesConfigurationFolderWhenTheExecutablesFolderIsReadOnly) {
  // Root may write anywhere: for root this case is the read-only program
  // folder test's, which runs the game as a user without that privilege.
  if (geteuid() == 0) GTEST_SKIP() << "root writes to a read-only folder";
  const fs::path locked = root_ / "locked";
  fs::create_directory(locked);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  ASSERT_FALSE(platform::DirectoryWritable(locked.string()));
  EXPECT_EQ(IniPathFor((locked / "kestravane").string()),
            (root_ / "config" / "kestravane" / "kestravane.ini").string());
}

TEST_F(IniPath, AnInstalledGameKeepsItsSettingsInTheConfigurationFolderEvenWhenItCouldWriteBesideItself) {
  // The layout of an installed game: the program in bin/, its private
  // libraries where it looks for them, both folders writable by this user.
  const fs::path bin = root_ / "usr" / "bin";
  fs::create_directories(bin);
  ASSERT_TRUE(platform::DirectoryWritable(bin.string()));
  const std::string program = (bin / "kestravane").string();
  EXPECT_EQ(IniPathFor(program), bin.string() + "/kestravane.ini") << "not installed yet";

  fs::create_directories(bin / InstalledLibraryFolder);
  EXPECT_EQ(IniPathFor(program), (root_ / "config" / "kestravane" / "kestravane.ini").string());
}

TEST_F(StartUp, RecordsTheExecutableAndItsSettingsFile) {
  const LibraryState library = ProgramPaths();
  EXPECT_EQ(library.ModulePath, platform::ExecutablePath());
  EXPECT_EQ(fs::path(library.ModulePath).filename(), "support_library_test");
  EXPECT_EQ(library.IniPath, IniPathFor(library.ModulePath));
}

TEST(RandomSeed, KeepsTheLow16BitsOfTheClock) {
  EXPECT_EQ(RandomSeedFor(0x12345678), 0x5678u);
  EXPECT_EQ(RandomSeedFor(65535), 65535u);
  EXPECT_EQ(RandomSeedFor(65536), 0u);
}

}  // namespace
