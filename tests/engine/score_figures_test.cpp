#include "engine/score_figures.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Shown(const FigureLine& line) {
  EXPECT_TRUE(line.Loaded);
  return line.Text.data();
}

class ScoreFiguresTest : public ::testing::Test {
 protected:
  QuadrantGrid grid{};
  GameState state;

  void SetUp() override {
    state.Z = 4;
    state.Y = 4;
    state.X = 4;
    state.ScanAxis = ScanZ;
    state.Missiles.Maximum = 240;
    state.Missiles.Value = 240;
  }

  void Place(int z, int y, int x, bool struck = false) {
    grid.Enemy[QuadrantIndex(z, y, x)] = 1;
    grid.Struck[QuadrantIndex(z, y, x)] = struck ? 1 : 0;
  }

  std::string Ratio(int destroyed, int fired) {
    state.ShipsDestroyed = destroyed;
    state.Missiles.Value = state.Missiles.Maximum - fired;
    return Shown(MakeScoreFigures(grid, state).KillRatio);
  }
};

}  // namespace

TEST(KillRatio, DividesFirstAndTruncates) {
  EXPECT_EQ(KillRatioPercent(29, 100), 28) << "0.29 x 100.0 falls just below 29";
  EXPECT_EQ(KillRatioPercent(7, 9), 77);
  EXPECT_EQ(KillRatioPercent(1, 3), 33);
  EXPECT_EQ(KillRatioPercent(2, 3), 66);
  EXPECT_EQ(KillRatioPercent(60, 60), 100);
  EXPECT_EQ(KillRatioPercent(0, 240), 0);
}

TEST_F(ScoreFiguresTest, SectorFiguresCountOnlyTheSectorOnTheScanner) {
  Place(4, 0, 0);
  Place(4, 8, 8, true);
  Place(4, 2, 7);
  Place(5, 4, 4);  // the next layer: not in the Z sector
  const ScoreFigures figures = MakeScoreFigures(grid, state);
  EXPECT_EQ(Shown(figures.SectorShips), "3 Roder Ships");
  EXPECT_EQ(Shown(figures.SectorDestroyed), "1 Destroyed");
  EXPECT_EQ(Shown(figures.SectorRemaining), "2 Remaining");

  state.ScanAxis = ScanX;  // the X = 4 sector holds only (5, 4, 4)
  const ScoreFigures across = MakeScoreFigures(grid, state);
  EXPECT_EQ(Shown(across.SectorShips), "1 Roder Ship");
  EXPECT_EQ(Shown(across.SectorDestroyed), "0 Destroyed");
  EXPECT_EQ(Shown(across.SectorRemaining), "1 Remaining");
}

TEST_F(ScoreFiguresTest, OneShipTakesTheSingularAndTheVerbItsS) {
  state.EnemyShips = 60;
  state.ShipsDestroyed = 59;
  EXPECT_EQ(Shown(MakeScoreFigures(grid, state).ShipsRemaining), "1 Ship Remains");
  state.ShipsDestroyed = 58;
  EXPECT_EQ(Shown(MakeScoreFigures(grid, state).ShipsRemaining), "2 Ships Remain");
  state.ShipsDestroyed = 60;
  EXPECT_EQ(Shown(MakeScoreFigures(grid, state).ShipsRemaining), "0 Ships Remain");
  state.ShipsDestroyed = 0;
  EXPECT_EQ(Shown(MakeScoreFigures(grid, state).ShipsRemaining), "60 Ships Remain");
}

TEST_F(ScoreFiguresTest, TheKillRatioWaitsForTheFirstShot) {
  EXPECT_EQ(Ratio(0, 0), " ");
  EXPECT_EQ(Ratio(0, 1), "0% Kill Ratio");
  EXPECT_EQ(Ratio(1, 1), "100% Kill Ratio");
  EXPECT_EQ(Ratio(7, 9), "77% Kill Ratio");
  state.Missiles.Maximum = 360;
  EXPECT_EQ(Ratio(29, 100), "28% Kill Ratio");
}

TEST_F(ScoreFiguresTest, ClearedRecordsShowNothingFoundAndNoShot) {
  const ScoreFigures figures = MakeScoreFigures(QuadrantGrid{}, GameState{});
  EXPECT_EQ(Shown(figures.SectorShips), "0 Roder Ships");
  EXPECT_EQ(Shown(figures.SectorDestroyed), "0 Destroyed");
  EXPECT_EQ(Shown(figures.SectorRemaining), "0 Remaining");
  EXPECT_EQ(Shown(figures.ShipsRemaining), "0 Ships Remain");
  EXPECT_EQ(Shown(figures.KillRatio), " ");

  // With no game open the missile gauge keeps its maximum and is empty, so
  // every missile counts as fired and the ratio is 0 %.
  GameState closed;
  closed.Missiles.Maximum = 240;
  EXPECT_EQ(Shown(MakeScoreFigures(QuadrantGrid{}, closed).KillRatio), "0% Kill Ratio");
}
