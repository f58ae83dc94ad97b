#include "engine/cell_picture.h"

#include <gtest/gtest.h>

namespace {

struct CellPictureTest : ::testing::Test {
  QuadrantGrid grid{};
  const Quadrant q{4, 1, 7};
  std::int32_t& Enemy() { return grid.Enemy[QuadrantIndex(4, 1, 7)]; }
  std::int32_t& Struck() { return grid.Struck[QuadrantIndex(4, 1, 7)]; }
  void SetUp() override { grid.StarIcon[QuadrantIndex(4, 1, 7)] = 10137; }
};

}  // namespace

TEST_F(CellPictureTest, OpenSpaceShowsItsStarFieldWhateverTheTracing) {
  EXPECT_EQ(CellIcon(grid, q, 0), 10137u);
  EXPECT_EQ(CellIcon(grid, q, 1), 10137u);
  EXPECT_FALSE(SearchedEmpty(grid, q));
}

TEST_F(CellPictureTest, ALiveShipShowsOnlyWhileTraced) {
  Enemy() = 1;
  EXPECT_EQ(CellIcon(grid, q, 0), 10137u);
  EXPECT_EQ(CellIcon(grid, q, 1), LiveShipIcon);
  EXPECT_FALSE(SearchedEmpty(grid, q));
}

TEST_F(CellPictureTest, ADestroyedShipShowsAsSuchAndIsNotFramed) {
  Enemy() = 1;
  Struck() = 1;
  EXPECT_EQ(CellIcon(grid, q, 0), DestroyedShipIcon);
  EXPECT_EQ(CellIcon(grid, q, 1), DestroyedShipIcon);
  EXPECT_FALSE(SearchedEmpty(grid, q));
}

TEST_F(CellPictureTest, AStruckEmptyQuadrantIsSearchedButKeepsItsStars) {
  Struck() = 1;
  EXPECT_EQ(CellIcon(grid, q, 1), 10137u);
  EXPECT_TRUE(SearchedEmpty(grid, q));
}
