#include "engine/navigation.h"

#include <gtest/gtest.h>

#include "engine/hand_made_game.h"

using namespace kestravane;

namespace {

class NavigationTest : public HandMadeGame {
 protected:
  void SetUp() override { Open(Difficulty::Normal); }
};

}  // namespace

TEST_F(NavigationTest, EngageAndReverseStepOnlyTheScanAxisCoordinateAndWrapRound) {
  state.Z = 8;
  state.Y = 4;
  state.X = 0;
  state.Axis = ScanAxis::Z;
  EngageEngines(session);
  EXPECT_EQ(state.Z, 0);
  state.Axis = ScanAxis::X;
  ReverseEngines(session);
  EXPECT_EQ(state.X, 8);
  state.Axis = ScanAxis::Y;
  EngageEngines(session);
  EngageEngines(session);
  ReverseEngines(session);
  EXPECT_EQ(state.Y, 5);
  EXPECT_EQ(state.Z, 0);
  EXPECT_EQ(state.X, 8);
  EXPECT_EQ(state.Fuel.Value, 95) << "one unit a move";
  EXPECT_EQ(state.Missiles.Value, 240);
}

TEST_F(NavigationTest, AMoveSpendsFuelAtOnceMakesItsSoundAndRedrawsTheSectorAndPanels) {
  const Outcome outcome = EngageEngines(session);
  EXPECT_EQ(outcome.Stepped, std::vector<Supply>{Supply::Fuel});
  EXPECT_EQ(outcome.Sounds, std::vector<Sound>{Sound::EnginesEngaged});
  EXPECT_EQ(outcome.Invalidated, (std::vector<Area>{Area::ScannerView, Area::WeaponsPanel, Area::EnginesPanel,
                                                    Area::ScannerPanel}));
  EXPECT_EQ(outcome.Messages,
            (std::vector<Message>{MakeMessage(Text::EnginesEngaged), MakeMessage(Text::SectorHasNoShips)}));
  EXPECT_FALSE(outcome.Ended);
}

TEST_F(NavigationTest, TheSectorReportCountsOnlyLiveShipsWithTheRightPlural) {
  state.Axis = ScanAxis::Z;
  // Sector Z 1: three ships, two destroyed. Sector Z 2: three live ones.
  // Sector Z 3: all destroyed.
  PlaceShip(1, 0, 0, true);
  PlaceShip(1, 0, 1, true);
  PlaceShip(1, 0, 2);
  for (int x = 3; x < 6; ++x) PlaceShip(2, 5, x);
  for (int y = 6; y < 9; ++y) PlaceShip(3, y, 7, true);

  auto report = [&] { return EngageEngines(session).Messages.back(); };
  EXPECT_EQ(report(), MakeMessage(Text::ShipsInSector, 1, std::string()));
  EXPECT_EQ(report(), MakeMessage(Text::ShipsInSector, 3, std::string("s")));
  EXPECT_EQ(report(), MakeMessage(Text::SectorCleared));
  EXPECT_EQ(report(), MakeMessage(Text::SectorHasNoShips));
}

TEST_F(NavigationTest, AnEmptyTankLosesTheGameAfterTheShipHasMoved) {
  state.Fuel.Value = 1;
  state.Z = 3;
  const Outcome last = EngageEngines(session);
  EXPECT_EQ(state.Fuel.Value, 0);
  EXPECT_FALSE(last.Ended);

  const Outcome dry = EngageEngines(session);
  EXPECT_EQ(state.Z, 5) << "the step comes before the fuel check";
  EXPECT_EQ(dry.Messages, (std::vector<Message>{MakeMessage(Text::FuelGone), MakeMessage(Text::FuelGone)}))
      << "missiles were left, so the end says fuel again";
  EXPECT_EQ(dry.Ended, GameEnd::Lost);
  EXPECT_TRUE(dry.Sounds.empty());
  EXPECT_TRUE(dry.Stepped.empty());
  EXPECT_EQ(dry.ShipButtons, false);
  EXPECT_EQ(session.Picture, ScannerPicture::Defeat);
  EXPECT_EQ(state.Fuel.Value, 100) << "the tank is full for the tour";
  EXPECT_EQ(state.Missiles.Value, 0);
  EXPECT_TRUE(session.ScannerTracing);
}

TEST_F(NavigationTest, TheHelmGoesStraightToItsDestinationForOneFuelUnit) {
  state.Z = 0;
  state.Y = 4;
  state.X = 4;
  state.Axis = ScanAxis::Z;
  PlaceShip(7, 2, 8);
  const Outcome outcome = SteerTo(session, {7, 1, 8}, ScanAxis::X);
  EXPECT_EQ(ShipQuadrant(state), (Quadrant{7, 1, 8}));
  EXPECT_EQ(state.Axis, ScanAxis::X);
  EXPECT_EQ(state.Fuel.Value, 99) << "one unit, however far";
  ASSERT_EQ(outcome.Messages.size(), 3u);
  EXPECT_EQ(outcome.Messages[0], MakeMessage(Text::SettingHelm, 7, 1, 8));
  EXPECT_EQ(outcome.Messages[1], MakeMessage(Text::EnginesEngaged));
  EXPECT_EQ(outcome.Messages[2], MakeMessage(Text::ShipsInSector, 1, std::string())) << "the ship at Y 2 on X 8";
  EXPECT_EQ(outcome.Invalidated.front(), Area::Window);
  EXPECT_EQ(outcome.Stepped, std::vector<Supply>{Supply::Fuel});

  state.Fuel.Value = 0;
  const Outcome dry = SteerTo(session, {3, 3, 3}, ScanAxis::Y);
  EXPECT_EQ(ShipQuadrant(state), (Quadrant{3, 3, 3})) << "the ship is put there either way";
  EXPECT_EQ(dry.Messages.front(), MakeMessage(Text::SettingHelm, 3, 3, 3));
  EXPECT_EQ(dry.Ended, GameEnd::Lost);
}
