#include <gtest/gtest.h>

#include <cerrno>

#include "platform/resources.h"

namespace {

TEST(MissingResources, AnUnknownIdFailsWithNoSuchResource) {
  // 5004 is a bitmap but no icon, 2200 an icon but no bitmap, 5000 a picture
  // but no sound: each kind has its own IDs.
  for (const unsigned id : {0u, 4242u, 5004u, 10000u, 10201u}) {
    int error = 0;
    const platform::Picture icon = platform::LoadIconResource(id, error);
    EXPECT_TRUE(icon.IsNull()) << id;
    EXPECT_EQ(error, ENOENT) << id;
    EXPECT_EQ(icon.Width(), 0);
    EXPECT_EQ(icon.Height(), 0);
    EXPECT_EQ(icon.Pixel(0, 0), 0u);
  }
  for (const unsigned id : {0u, 2200u, 4999u, 5006u}) {
    int error = 0;
    EXPECT_TRUE(platform::LoadBitmapResource(id, error).IsNull()) << id;
    EXPECT_EQ(error, ENOENT) << id;
  }
  for (const unsigned id : {1999u, 2004u, 5000u}) {
    int error = 0;
    EXPECT_TRUE(platform::LoadWaveResource(id, error).empty()) << id;
    EXPECT_EQ(error, ENOENT) << id;
  }
}

TEST(MissingResources, PixelsOutsideAPictureReadAsNothing) {
  int error = 0;
  const platform::Picture map = platform::LoadIconResource(5000, error);
  ASSERT_FALSE(map.IsNull()) << error;
  EXPECT_NE(map.Pixel(1, 1), 0u);
  for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{32, 0}, std::pair{0, 32}}) {
    EXPECT_EQ(map.Pixel(x, y), 0u) << x << "," << y;
  }
}

}  // namespace
