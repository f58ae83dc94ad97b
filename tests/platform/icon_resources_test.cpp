#include <gtest/gtest.h>

#include <set>

#include "palette.h"
#include "platform/resources.h"

using namespace kestravane;

namespace {

enum class Opacity { Opaque, SeeThrough };

struct IconExpectation {
  unsigned id;
  Opacity opacity;
};

// The scanner grid, the map and the wreck must cover their cells completely;
// the engines, warning and error icons show the panel or box behind them.
// The star fields, opaque and in star colours only, have their own test.
const IconExpectation NamedIcons[] = {
    {1000, Opacity::SeeThrough}, {2200, Opacity::SeeThrough}, {2300, Opacity::SeeThrough},
    {2400, Opacity::SeeThrough}, {2525, Opacity::SeeThrough}, {2550, Opacity::SeeThrough},
    {5000, Opacity::Opaque},     {5001, Opacity::Opaque},     {5002, Opacity::Opaque},
    {5003, Opacity::SeeThrough}, {5300, Opacity::SeeThrough}, {5500, Opacity::SeeThrough},
};

TEST(IconResources, EveryIconDecodesInPaletteColoursWithTheStatedOpacity) {
  for (const IconExpectation& icon : NamedIcons) {
    const platform::Result<platform::Picture> loaded = platform::LoadIconResource(icon.id);
    ASSERT_TRUE(loaded) << "icon " << icon.id << " error " << loaded.error();
    const platform::Picture& picture = *loaded;
    ASSERT_EQ(picture.Width(), 32) << icon.id;
    ASSERT_EQ(picture.Height(), 32) << icon.id;
    int clear = 0;
    std::set<std::uint32_t> colours;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const std::uint32_t pixel = picture.Pixel(x, y);
        const std::uint32_t alpha = pixel >> 24;
        ASSERT_TRUE(alpha == 0 || alpha == 0xFF) << icon.id << " at " << x << "," << y;
        if (alpha == 0) {
          ++clear;
          continue;
        }
        EXPECT_TRUE(InStandardPalette(pixel)) << icon.id << " at " << x << "," << y << std::hex
                                              << " colour " << pixel;
        colours.insert(pixel);
      }
    }
    if (icon.opacity == Opacity::Opaque) {
      EXPECT_EQ(clear, 0) << "icon " << icon.id << " must be fully opaque";
    } else {
      EXPECT_GT(clear, 0) << "icon " << icon.id << " must let its background through";
      EXPECT_LT(clear, 32 * 32) << "icon " << icon.id << " shows nothing";
    }
    EXPECT_GE(colours.size(), 2u) << "icon " << icon.id << " is a single flat colour";
  }
}

TEST(IconResources, MapIconMatchesTheGeometryTheMapDotsRelyOn) {
  const platform::Result<platform::Picture> loaded = platform::LoadIconResource(5000);
  ASSERT_TRUE(loaded) << loaded.error();
  const platform::Picture& map = *loaded;
  const auto onBorder = [](int x, int y) {
    const bool borderColumn = (x == 1 || x == 30) && y >= 1 && y <= 30;
    const bool borderRow = (y == 1 || y == 30) && x >= 1 && x <= 30;
    return borderColumn || borderRow;
  };
  const auto inCellSquare = [](int x, int y) {
    for (int row = 0; row < 9; ++row) {
      for (int column = 0; column < 9; ++column) {
        const int left = 3 + 3 * column;
        const int top = 3 + 3 * row;
        if (x >= left && x <= left + 1 && y >= top && y <= top + 1) return true;
      }
    }
    return false;
  };
  int lightGrey = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool grey = onBorder(x, y) || inCellSquare(x, y);
      lightGrey += grey ? 1 : 0;
      EXPECT_EQ(map.Pixel(x, y), grey ? Opaque(0xC0C0C0) : Opaque(0x000000))
          << "map icon pixel " << x << "," << y;
    }
  }
  EXPECT_EQ(lightGrey, 4 * 30 - 4 + 81 * 4);
}

TEST(IconResources, StarFieldsAreStarsOnBlackAndNoTwoAlike) {
  // Black space and the star colours: grey, light grey and white, with the
  // odd yellow or pale blue star.
  const std::set<std::uint32_t> starColours = {Opaque(0x000000), Opaque(0x808080), Opaque(0xC0C0C0),
                                               Opaque(0xFFFFFF), Opaque(0xFFFF00), Opaque(0x00FFFF)};
  std::vector<std::vector<std::uint32_t>> fields;
  for (unsigned id = 10001; id <= 10200; ++id) {
    const platform::Result<platform::Picture> loaded = platform::LoadIconResource(id);
    ASSERT_TRUE(loaded) << id << " error " << loaded.error();
    const platform::Picture& field = *loaded;
    ASSERT_EQ(field.Width(), 32) << id;
    ASSERT_EQ(field.Height(), 32) << id;
    std::vector<std::uint32_t> pixels;
    int black = 0;
    int white = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const std::uint32_t pixel = field.Pixel(x, y);
        EXPECT_TRUE(starColours.count(pixel)) << id << " at " << x << "," << y << std::hex << " " << pixel;
        black += pixel == Opaque(0x000000) ? 1 : 0;
        white += pixel == Opaque(0xFFFFFF) ? 1 : 0;
        pixels.push_back(pixel);
      }
    }
    EXPECT_GT(black, 32 * 32 * 8 / 10) << id << ": space should be mostly black";
    EXPECT_LT(black, 32 * 32) << id << ": a star field without stars";
    EXPECT_GT(white, 0) << id << ": no white star";
    fields.push_back(std::move(pixels));
  }
  for (std::size_t a = 0; a < fields.size(); ++a) {
    for (std::size_t b = a + 1; b < fields.size(); ++b) {
      EXPECT_NE(fields[a], fields[b]) << "star fields " << 10001 + a << " and " << 10001 + b << " are alike";
    }
  }
}

}  // namespace
