#include "support/library.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "common/temporary_directory.h"

using namespace kestravane;

namespace fs = std::filesystem;

TEST(IniPath, DropsTheProgramsExtensionAndLivesBesideItOnlyWhereItsFolderIsWritableAndNotInstalled) {
  const std::pair<const char*, const char*> cases[] = {
      {"/usr/games/fleet.exe", "/usr/games/fleet"}, {"/opt/kestravane-2.2/kestravane", "/opt/kestravane-2.2/kestravane"},
      {"/home/player/.kestravane", "/home/player/.kestravane"}, {"/home/player/.kestravane.bin", "/home/player/.kestravane"},
      {"/srv/fleet.tar.gz", "/srv/fleet.tar"}, {"/srv/fleet.", "/srv/fleet"}, {"..", ".."}, {"fleet", "fleet"}, {"", ""}};
  for (const auto& [path, base] : cases) EXPECT_EQ(PathBase(path), base) << path;
  // Beside a program in a folder that takes new files, else in the game's configuration folder; an installed game's
  // folder is everyone's, even when this user could write to it.
  const TemporaryDirectory directory;
  const fs::path root = directory.path(), bin = root / "usr" / "bin", locked = root / "locked";
  setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);  // never the player's own
  const std::string config = (root / "config" / "kestravane").string();
  fs::create_directories(bin);
  fs::create_directory(locked);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(IniPathFor((bin / "Fleet.EXE").string()), (bin / "Fleet.ini").string());
  EXPECT_EQ(IniPathFor((root / "missing" / "Fleet.bin").string()), config + "/Fleet.ini");
  // Root writes to a read-only folder too.
  EXPECT_EQ(IniPathFor((locked / "kestravane").string()),
            geteuid() == 0 ? (locked / "kestravane.ini").string() : config + "/kestravane.ini");
  fs::create_directories(bin / InstalledLibraryFolder);
  EXPECT_EQ(IniPathFor((bin / "kestravane").string()), config + "/kestravane.ini");
  // A relative folder would be one of wherever the game started: the XDG
  // rules ignore it, and so do they a missing home, for the user's own.
  const std::string home = getpwuid(getuid())->pw_dir;
  for (const auto& [xdg, variableHome, expected] :
       {std::tuple{"config", (root / "h").string(), (root / "h" / ".config/kestravane/kestravane.ini").string()},
        {"", "", home + "/.config/kestravane/kestravane.ini"}, {"c", "h", home + "/.config/kestravane/kestravane.ini"}}) {
    setenv("XDG_CONFIG_HOME", xdg, 1);
    setenv("HOME", variableHome.c_str(), 1);
    EXPECT_EQ(IniPathFor((bin / "kestravane").string()), expected) << xdg << " " << variableHome;
  }
}
