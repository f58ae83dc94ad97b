#include <gtest/gtest.h>

#include <cerrno>

#include "platform/resources.h"

using namespace kestravane;

namespace {

TEST(MissingResources, AnUnknownIdFailsWithNoSuchResource) {
  // 5004 is a bitmap but no icon, 2200 an icon but no bitmap, 5000 a picture
  // but no sound: each kind has its own IDs.
  const platform::Result<platform::Picture> icon = platform::LoadIconResource(5004);
  EXPECT_FALSE(icon);
  EXPECT_EQ(icon.error(), ENOENT);
  const platform::Result<platform::Picture> bitmap = platform::LoadBitmapResource(2200);
  EXPECT_FALSE(bitmap);
  EXPECT_EQ(bitmap.error(), ENOENT);
  const platform::Result<std::vector<std::uint8_t>> wave = platform::LoadWaveResource(5000);
  EXPECT_FALSE(wave);
  EXPECT_EQ(wave.error(), ENOENT);
}

TEST(MissingResources, PixelsOutsideAPictureReadAsNothing) {
  const platform::Result<platform::Picture> loaded = platform::LoadIconResource(5000);
  ASSERT_TRUE(loaded) << loaded.error();
  const platform::Picture& map = *loaded;
  EXPECT_NE(map.Pixel(1, 1), 0u);
  for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{32, 0}, std::pair{0, 32}}) {
    EXPECT_EQ(map.Pixel(x, y), 0u) << x << "," << y;
  }
}

}  // namespace
