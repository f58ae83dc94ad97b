#include "app/window_placement.h"

#include <gtest/gtest.h>

#include <climits>

using namespace kestravane;

namespace {

// A desktop of two screens side by side, the second lower and smaller.
const std::vector<platform::Rect> TwoScreens = {{0, 0, 1024, 768}, {1024, 100, 1824, 700}};
constexpr int Width = 486;
constexpr int Height = 430;

WindowOrigin Placed(int left, int top, const std::vector<platform::Rect>& screens = TwoScreens) {
  return KeepOnScreen(left, top, Width, Height, screens);
}

::testing::AssertionResult At(const WindowOrigin& origin, int x, int y) {
  if (origin.x == x && origin.y == y) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "placed at " << origin.x << ", " << origin.y << " instead of " << x
                                       << ", " << y;
}

}  // namespace

TEST(WindowPlacement, AWindowWhoseTitleBarIsOnAScreenStaysWhereItIs) {
  EXPECT_TRUE(At(Placed(35, 35), 35, 35));
  EXPECT_TRUE(At(Placed(1100, 150), 1100, 150)) << "on the second screen";
  EXPECT_TRUE(At(Placed(1024 - Width, 768 - 35), 1024 - Width, 768 - 35)) << "the rest of it may hang below the screen";
  EXPECT_TRUE(At(Placed(1824 - Width, 100), 1824 - Width, 100));
}

TEST(WindowPlacement, AWindowPartlyOffItsScreenComesWholeOntoIt) {
  EXPECT_TRUE(At(Placed(-8, 40), 0, 40));
  EXPECT_TRUE(At(Placed(700, 40), 1024 - Width, 40)) << "across the border of two screens, mostly on the first";
  EXPECT_TRUE(At(Placed(200, -10), 200, 0)) << "the title bar above the screen";
  EXPECT_TRUE(At(Placed(200, 768 - 34), 200, 768 - Height)) << "the title bar cut at the bottom";
  EXPECT_TRUE(At(Placed(1500, 50), 1824 - Width, 100)) << "above the second screen, which starts lower";
}

TEST(WindowPlacement, AWindowOffEveryScreenComesWholeOntoTheNearest) {
  EXPECT_TRUE(At(Placed(5000, 40), 1824 - Width, 100));
  EXPECT_TRUE(At(Placed(INT_MAX, INT_MAX), 1824 - Width, 700 - Height));
  EXPECT_TRUE(At(Placed(INT_MIN, INT_MIN), 0, 0));
  EXPECT_TRUE(At(Placed(-1500, 300), 0, 300)) << "a screen left of the first, unplugged since";
  EXPECT_TRUE(At(Placed(200, 100000), 200, 768 - Height));
}

TEST(WindowPlacement, AScreenTooSmallForTheWindowShowsItsTopLeftCorner) {
  const std::vector<platform::Rect> tiny = {{0, 0, 320, 200}};
  EXPECT_TRUE(At(Placed(100, 100, tiny), 0, 0));
}

TEST(WindowPlacement, WithoutScreensThePlaceIsKept) { EXPECT_TRUE(At(Placed(5000, -40, {}), 5000, -40)); }
