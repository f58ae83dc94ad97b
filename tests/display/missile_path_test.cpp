#include "display/missile_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace kestravane;

namespace {

constexpr MissilePoint Start{312, 311};

// The centre of the cell at (column, row) of the sector grid.
MissilePoint CellCentre(int column, int row) { return {168 + 32 * column + 16, 23 + 32 * row + 16}; }

TEST(MissilePath, UpTheMiddleColumnIn68StepsOfFourPixels) {
  const std::vector<MissilePoint> path = MissilePath(4, 0);
  ASSERT_EQ(path.size(), 68u);
  for (int step = 0; step < 68; ++step) EXPECT_EQ(path[step], (MissilePoint{312, 311 - 4 * step})) << step;
  // One step short of the centre, (312, 39).
  EXPECT_EQ(path.back(), (MissilePoint{312, 43}));
}

TEST(MissilePath, ToTheBottomLeftCellMostlySideways) {
  // 128 pixels across and 16 up: 32 steps of 4 across and half a pixel up,
  // truncated.
  const std::vector<MissilePoint> path = MissilePath(0, 8);
  ASSERT_EQ(path.size(), 32u);
  for (int step = 0; step < 32; ++step)
    EXPECT_EQ(path[step], (MissilePoint{312 - 4 * step, 311 - (step + 1) / 2})) << step;
  EXPECT_EQ(path.back(), (MissilePoint{188, 295}));
}

TEST(MissilePath, AcrossAndUpTheLongerWaySetsTheSteps) {
  // 128 pixels across and 144 up: 36 steps of 4 up and 3.56 across.
  const std::vector<MissilePoint> path = MissilePath(8, 4);
  ASSERT_EQ(path.size(), 36u);
  for (int step = 1; step < 36; ++step) {
    EXPECT_EQ(path[step].y, 311 - 4 * step) << step;
    const int across = path[step].x - path[step - 1].x;
    EXPECT_TRUE(across == 3 || across == 4) << step;
  }
  EXPECT_EQ(path.back(), (MissilePoint{436, 171}));
}

TEST(MissilePath, EveryCellIsReachedFromTheBottomCentreInStepsOfFourPixels) {
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      SCOPED_TRACE(testing::Message() << "column " << column << " row " << row);
      const std::vector<MissilePoint> path = MissilePath(column, row);
      ASSERT_FALSE(path.empty());
      EXPECT_EQ(path.front(), Start);
      for (std::size_t step = 1; step < path.size(); ++step) {
        const int across = std::abs(path[step].x - path[step - 1].x);
        const int up = std::abs(path[step].y - path[step - 1].y);
        EXPECT_EQ(std::max(across, up), 4) << step;
      }
      // The last place is a step short of the centre along the longer way,
      // and no further from it the other way.
      const MissilePoint centre = CellCentre(column, row);
      const int shortAcross = std::abs(centre.x - path.back().x);
      const int shortUp = std::abs(centre.y - path.back().y);
      EXPECT_EQ(std::max(shortAcross, shortUp), 4);
    }
  }
}

}  // namespace
