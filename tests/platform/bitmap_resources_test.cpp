#include <gtest/gtest.h>

#include <set>

#include "palette.h"
#include "platform/resources.h"

using namespace kestravane;

namespace {

struct BitmapExpectation {
  unsigned id;
  int width;   // 0: any width
  int height;  // 0: any height
};

// The scanner pictures cover the 288 x 288 scanner area exactly; the title
// picture sets the size of the splash window, whatever it is.
const BitmapExpectation Bitmaps[] = {
    {1000, 0, 0},     {5000, 288, 288}, {5001, 288, 288}, {5002, 288, 288},
    {5003, 288, 288}, {5004, 288, 288}, {5005, 288, 288},
};

TEST(BitmapResources, PicturesAreWhiteOnBlackInPaletteColours) {
  for (const BitmapExpectation& bitmap : Bitmaps) {
    const platform::Result<platform::Picture> loaded = platform::LoadBitmapResource(bitmap.id);
    ASSERT_TRUE(loaded) << "bitmap " << bitmap.id << " error " << loaded.error();
    const platform::Picture& picture = *loaded;
    if (bitmap.width != 0) {
      EXPECT_EQ(picture.Width(), bitmap.width) << bitmap.id;
    }
    if (bitmap.height != 0) {
      EXPECT_EQ(picture.Height(), bitmap.height) << bitmap.id;
    }
    EXPECT_GE(picture.Width(), 64) << bitmap.id;
    EXPECT_GE(picture.Height(), 64) << bitmap.id;
    std::set<std::uint32_t> colours;
    long black = 0;
    long white = 0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        const std::uint32_t pixel = picture.Pixel(x, y);
        ASSERT_EQ(pixel >> 24, 0xFFu) << bitmap.id << " at " << x << "," << y << " is not opaque";
        ASSERT_TRUE(InStandardPalette(pixel)) << bitmap.id << " at " << x << "," << y;
        colours.insert(pixel);
        black += pixel == Opaque(0x000000) ? 1 : 0;
        white += pixel == Opaque(0xFFFFFF) ? 1 : 0;
      }
    }
    const long area = static_cast<long>(picture.Width()) * picture.Height();
    EXPECT_LE(colours.size(), 16u) << bitmap.id;
    EXPECT_GT(black, area / 2) << bitmap.id << ": the background must be black";
    EXPECT_GT(white, area / 200) << bitmap.id << ": no white lettering";
  }
}

}  // namespace
