#include <gtest/gtest.h>

#include <cerrno>

#include "platform/resources.h"

namespace {

TEST(MissingResources, AnUnknownIdFailsWithNoSuchResource) {
  // 5004 is a bitmap but no icon, 2200 an icon but no bitmap, 5000 a picture
  // but no sound: each kind has its own IDs.
  for (const unsigned id : {0u, 4242u, 5004u, 10000u, 10201u}) {
    const platform::Result<platform::Picture> icon = platform::LoadIconResource(id);
    EXPECT_FALSE(icon) << id;
    EXPECT_EQ(icon.error(), ENOENT) << id;
  }
  for (const unsigned id : {0u, 2200u, 4999u, 5006u}) {
    const platform::Result<platform::Picture> bitmap = platform::LoadBitmapResource(id);
    EXPECT_FALSE(bitmap) << id;
    EXPECT_EQ(bitmap.error(), ENOENT) << id;
  }
  for (const unsigned id : {1999u, 2004u, 5000u}) {
    const platform::Result<std::vector<std::uint8_t>> wave = platform::LoadWaveResource(id);
    EXPECT_FALSE(wave) << id;
    EXPECT_EQ(wave.error(), ENOENT) << id;
  }
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
