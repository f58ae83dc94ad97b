#include "engine/score_figures.h"

#include <gtest/gtest.h>


using namespace kestravane;

namespace {

template <typename... Values>
Message Says(Text id, Values... values) {
  return MakeMessage(id, values...);
}

class ScoreFiguresTest : public ::testing::Test {
 protected:
  QuadrantGrid grid{};
  GameState state;

  void SetUp() override {
    state.Z = 4;
    state.Y = 4;
    state.X = 4;
    state.Axis = ScanAxis::Z;
    state.Missiles.Maximum = 240;
    state.Missiles.Value = 240;
  }

  void Place(int z, int y, int x, bool struck = false) {
    grid.Enemy[QuadrantIndex(z, y, x)] = 1;
    grid.Struck[QuadrantIndex(z, y, x)] = struck ? 1 : 0;
  }

  Message Ratio(int destroyed, int fired) {
    state.ShipsDestroyed = destroyed;
    state.Missiles.Value = state.Missiles.Maximum - fired;
    return MakeScoreFigures(grid, state).KillRatio;
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
  EXPECT_EQ(figures.SectorShips, Says(Text::SectorShips, 3, "s"));
  EXPECT_EQ(figures.SectorDestroyed, Says(Text::SectorDestroyed, 1));
  EXPECT_EQ(figures.SectorRemaining, Says(Text::SectorRemaining, 2));

  state.Axis = ScanAxis::X;  // the X = 4 sector holds only (5, 4, 4)
  const ScoreFigures across = MakeScoreFigures(grid, state);
  EXPECT_EQ(across.SectorShips, Says(Text::SectorShips, 1, ""));
  EXPECT_EQ(across.SectorDestroyed, Says(Text::SectorDestroyed, 0));
  EXPECT_EQ(across.SectorRemaining, Says(Text::SectorRemaining, 1));
}

TEST_F(ScoreFiguresTest, OneShipTakesTheSingularAndTheVerbItsS) {
  state.EnemyShips = 60;
  state.ShipsDestroyed = 59;
  EXPECT_EQ(MakeScoreFigures(grid, state).ShipsRemaining, Says(Text::ShipsRemaining, 1, "", "s"));
  state.ShipsDestroyed = 58;
  EXPECT_EQ(MakeScoreFigures(grid, state).ShipsRemaining, Says(Text::ShipsRemaining, 2, "s", ""));
  state.ShipsDestroyed = 60;
  EXPECT_EQ(MakeScoreFigures(grid, state).ShipsRemaining, Says(Text::ShipsRemaining, 0, "s", ""));
  state.ShipsDestroyed = 0;
  EXPECT_EQ(MakeScoreFigures(grid, state).ShipsRemaining, Says(Text::ShipsRemaining, 60, "s", ""));
}

TEST_F(ScoreFiguresTest, TheKillRatioWaitsForTheFirstShot) {
  EXPECT_EQ(Ratio(0, 0), Says(Text::NoShotFired));
  EXPECT_EQ(Ratio(0, 1), Says(Text::KillRatio, 0));
  EXPECT_EQ(Ratio(1, 1), Says(Text::KillRatio, 100));
  EXPECT_EQ(Ratio(7, 9), Says(Text::KillRatio, 77));
  state.Missiles.Maximum = 360;
  EXPECT_EQ(Ratio(29, 100), Says(Text::KillRatio, 28));
}

TEST_F(ScoreFiguresTest, ClearedRecordsShowNothingFoundAndNoShot) {
  const ScoreFigures figures = MakeScoreFigures(QuadrantGrid{}, GameState{});
  EXPECT_EQ(figures.SectorShips, Says(Text::SectorShips, 0, "s"));
  EXPECT_EQ(figures.SectorDestroyed, Says(Text::SectorDestroyed, 0));
  EXPECT_EQ(figures.SectorRemaining, Says(Text::SectorRemaining, 0));
  EXPECT_EQ(figures.ShipsRemaining, Says(Text::ShipsRemaining, 0, "s", ""));
  EXPECT_EQ(figures.KillRatio, Says(Text::NoShotFired));

  // With no game open the missile gauge keeps its maximum and is empty, so
  // every missile counts as fired and the ratio is 0 %.
  GameState closed;
  closed.Missiles.Maximum = 240;
  EXPECT_EQ(MakeScoreFigures(QuadrantGrid{}, closed).KillRatio, Says(Text::KillRatio, 0));
}
