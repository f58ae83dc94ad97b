#include "dialogs/dialog_corner.h"

#include <gtest/gtest.h>

#include <climits>

using namespace kestravane;

// A dialog's stored corner on the main window's screen: kept where it is on it, brought back to 70 pixels inside the
// right or bottom edge, or to the left or top edge, whatever numbers the settings file held.
TEST(DialogCorner, LandsOnTheMainWindowsScreen) {
  const platform::Rect desktop{0, 0, 1024, 768}, right{1024, 100, 1824, 700}, tiny{10, 20, 60, 50};
  const std::tuple<int, int, platform::Rect, DialogCorner> cases[] = {
      {954, 698, desktop, {954, 698}},    {1500, 300, right, {1500, 300}},  {5000, 5000, right, {1754, 630}},
      {-1, 40, desktop, {0, 40}},         {-5000, -5000, desktop, {0, 0}},   {300, 50, right, {1024, 100}},
      {INT_MAX, INT_MIN, right, {1754, 100}}, {INT_MIN, INT_MAX, right, {1024, 630}}, {5000, 5000, tiny, {10, 20}},
  };
  for (const auto& [left, top, screen, corner] : cases)
    EXPECT_EQ(DialogCornerOn({.Top = top, .Left = left}, screen), corner) << left << ", " << top;
}
