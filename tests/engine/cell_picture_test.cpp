#include "engine/cell_picture.h"

#include <gtest/gtest.h>

using namespace kestravane;

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
  EXPECT_EQ(CellIcon(grid, q, false), Icon{10137});
  EXPECT_EQ(CellIcon(grid, q, true), Icon{10137});
  EXPECT_FALSE(SearchedEmpty(grid, q));
}

TEST_F(CellPictureTest, ALiveShipShowsOnlyWhileTraced) {
  Enemy() = 1;
  EXPECT_EQ(CellIcon(grid, q, false), Icon{10137});
  EXPECT_EQ(CellIcon(grid, q, true), Icon::LiveShip);
  EXPECT_FALSE(SearchedEmpty(grid, q));
}

TEST_F(CellPictureTest, ADestroyedShipShowsAsSuchAndIsNotFramed) {
  Enemy() = 1;
  Struck() = 1;
  EXPECT_EQ(CellIcon(grid, q, false), Icon::DestroyedShip);
  EXPECT_EQ(CellIcon(grid, q, true), Icon::DestroyedShip);
  EXPECT_FALSE(SearchedEmpty(grid, q));
}

TEST_F(CellPictureTest, AStruckEmptyQuadrantIsSearchedButKeepsItsStars) {
  Struck() = 1;
  EXPECT_EQ(CellIcon(grid, q, true), Icon{10137});
  EXPECT_TRUE(SearchedEmpty(grid, q));
}
