#include "app/path_dir.h"

#include <gtest/gtest.h>

using namespace kestravane;

namespace {

TEST(PathDir, KeepsEverythingUpToTheLastSeparator) {
  EXPECT_EQ(PathDir("/home/player/games/first.war"), "/home/player/games/");
  EXPECT_EQ(PathDir("/first.war"), "/");
  EXPECT_EQ(PathDir("first.war"), "");
  EXPECT_EQ(PathDir("/home/player/"), "/home/player/");
}

TEST(InitialDirectory, DropsTheTrailingSeparatorExceptAtTheRoot) {
  EXPECT_EQ(InitialDirectory("/home/player/games/first.war"), "/home/player/games");
  EXPECT_EQ(InitialDirectory("/first.war"), "/");
  EXPECT_EQ(InitialDirectory("a/first.war"), "a");
  EXPECT_EQ(InitialDirectory("first.war"), "");
}

}  // namespace
