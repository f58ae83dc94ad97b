#include "dialogs/dialog_corner.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kestravane;

namespace {

constexpr platform::Rect Desktop{0, 0, 1024, 768};
constexpr platform::Rect RightScreen{1024, 100, 1824, 700};

Placement At(int left, int top) { return {.Top = top, .Left = left}; }

}  // namespace

TEST(DialogCornerTest, AStoredPlaceOnTheScreenIsKept) {
  EXPECT_EQ(DialogCornerOn(At(130, 40), Desktop), (DialogCorner{130, 40}));
  EXPECT_EQ(DialogCornerOn(At(954, 698), Desktop), (DialogCorner{954, 698}));
  EXPECT_EQ(DialogCornerOn(At(1500, 300), RightScreen), (DialogCorner{1500, 300}));
}

TEST(DialogCornerTest, APlaceBeyondTheRightOrBottomEdgeComesBackToSeventyPixelsInside) {
  EXPECT_EQ(DialogCornerOn(At(5000, 40), Desktop), (DialogCorner{954, 40}));
  EXPECT_EQ(DialogCornerOn(At(40, 769), Desktop), (DialogCorner{40, 698}));
  EXPECT_EQ(DialogCornerOn(At(5000, 5000), RightScreen), (DialogCorner{1754, 630}));
}

TEST(DialogCornerTest, APlaceBeyondTheLeftOrTopEdgeComesBackToThatEdge) {
  EXPECT_EQ(DialogCornerOn(At(-1, 40), Desktop), (DialogCorner{0, 40}));
  EXPECT_EQ(DialogCornerOn(At(-5000, -5000), Desktop), (DialogCorner{0, 0}));
  // A place on a screen to the left of the main window's.
  EXPECT_EQ(DialogCornerOn(At(300, 50), RightScreen), (DialogCorner{1024, 100}));
}

TEST(DialogCornerTest, AnyCoordinatesASettingsFileCanHoldLandOnTheScreen) {
  constexpr int most = std::numeric_limits<int>::max();
  constexpr int least = std::numeric_limits<int>::min();
  EXPECT_EQ(DialogCornerOn(At(most, least), RightScreen), (DialogCorner{1754, 100}));
  EXPECT_EQ(DialogCornerOn(At(least, most), RightScreen), (DialogCorner{1024, 630}));
  // A screen narrower than the margin shows the dialog from its left edge.
  EXPECT_EQ(DialogCornerOn(At(5000, 5000), platform::Rect{10, 20, 60, 50}), (DialogCorner{10, 20}));
}
