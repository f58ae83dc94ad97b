#include "engine/weapons.h"

#include <gtest/gtest.h>

#include "engine/hand_made_game.h"
#include "engine/modes.h"
#include "engine/targeting.h"

using namespace kestravane;

namespace {

class WeaponsTest : public HandMadeGame {
 protected:
  void SetUp() override { Open(Difficulty::Hard); }

  void MarkScanned(int entry, int ships) { session.Log.Sector[entry] = {1, ships, 0, ships}; }
};

}  // namespace

TEST_F(WeaponsTest, AHitDestroysTheShipAndKeepsTheScanLogOfItsThreeSectors) {
  PlaceShip(2, 3, 4);
  PlaceShip(7, 7, 7);
  MarkScanned(2, 1);           // sector Z 2
  MarkScanned(9 + 3, 1);       // sector Y 3
  MarkScanned(18 + 5, 0);      // sector X 5, not through the target
  Aim(2, 3, 4);

  const Outcome shot = FireMissile(session);
  EXPECT_EQ(state.ShipsDestroyed, 1);
  EXPECT_EQ(session.Grid.Struck[QuadrantIndex(2, 3, 4)], 1);
  EXPECT_EQ(state.Missiles.Value, 119);
  EXPECT_EQ(shot.Messages, (std::vector<Message>{MakeMessage(Text::MissileLaunched),
                                                 MakeMessage(Text::EnemyDestroyed, 2, 3, 4)}));
  EXPECT_EQ(shot.Sounds, (std::vector<Sound>{Sound::MissileLaunched, Sound::EnemyDestroyed}));
  EXPECT_TRUE(shot.AlertWhenSilent);
  EXPECT_EQ(shot.Stepped, std::vector<Supply>{Supply::Missiles});
  EXPECT_EQ(shot.Invalidated, std::vector<Area>{Area::ScannerPanel});
  EXPECT_EQ(shot.Cells, (std::vector<Cell>{{3, 4}})) << "axis Z: row Y, column X";
  EXPECT_FALSE(shot.Ended);

  const SectorScan& z = session.Log.Sector[2];
  const SectorScan& y = session.Log.Sector[12];
  EXPECT_EQ(z.Destroyed, 1);
  EXPECT_EQ(z.Remaining, 0);
  EXPECT_EQ(y.Destroyed, 1);
  EXPECT_EQ(y.Remaining, 0);
  EXPECT_EQ(session.Log.Sector[18 + 4].Scanned, 0) << "an unscanned sector is left for its first scan";
  EXPECT_EQ(session.Log.Sector[18 + 5].Destroyed, 0);
}

TEST_F(WeaponsTest, AStruckQuadrantOnlyCostsTheMissile) {
  PlaceShip(0, 0, 0);
  PlaceShip(0, 0, 1);
  Aim(0, 0, 0);
  FireMissile(session);
  const Outcome again = FireMissile(session);
  EXPECT_EQ(again.Messages.back(), MakeMessage(Text::ShipAlreadyDestroyed));
  EXPECT_EQ(again.Sounds.back(), Sound::MissileWasted);
  EXPECT_FALSE(again.AlertWhenSilent);
  EXPECT_TRUE(again.Cells.empty());
  EXPECT_EQ(state.ShipsDestroyed, 1);
  EXPECT_EQ(state.Missiles.Value, 118);

  Aim(5, 5, 5);
  const Outcome miss = FireMissile(session);
  EXPECT_EQ(miss.Messages.back(), MakeMessage(Text::NoEnemyFound, 5, 5, 5));
  EXPECT_EQ(miss.Sounds, std::vector<Sound>{Sound::MissileLaunched}) << "a miss is silent";
  EXPECT_EQ(FireMissile(session).Messages.back(), MakeMessage(Text::QuadrantSweptClean));
}

TEST_F(WeaponsTest, TheFlightGoesToTheTargetsCellOnEachScanAxis) {
  Aim(1, 2, 3);
  const struct {
    ScanAxis axis;
    Cell cell;
  } cases[] = {{ScanAxis::Z, {2, 3}}, {ScanAxis::Y, {1, 3}}, {ScanAxis::X, {2, 1}}};
  for (const auto& c : cases) {
    state.Axis = c.axis;
    const Launch launch = LaunchMissile(session);
    ASSERT_TRUE(launch.Flight);
    EXPECT_EQ(launch.Flight->Target, (Quadrant{1, 2, 3}));
    EXPECT_EQ(launch.Flight->TargetCell, c.cell) << "axis " << static_cast<int>(c.axis);
    EXPECT_EQ(launch.Report.Messages, std::vector<Message>{MakeMessage(Text::MissileLaunched)});
    EXPECT_TRUE(launch.Report.Cells.empty()) << "nothing on the grid changes before the missile lands";
  }
}

TEST_F(WeaponsTest, TheSixtiethShipWinsEvenWithTheLastMissile) {
  PlaceShip(4, 4, 4);
  state.EnemyShips = 60;
  state.ShipsDestroyed = 59;
  state.Missiles.Value = 1;
  Aim(4, 4, 4);
  const Outcome shot = FireMissile(session);
  EXPECT_EQ(shot.Messages.back(), MakeMessage(Text::Victory));
  EXPECT_EQ(shot.Ended, GameEnd::Won);
  EXPECT_EQ(shot.ShipButtons, false);
  EXPECT_EQ(session.Picture, ScannerPicture::Victory);
  EXPECT_EQ(state.Missiles.Value, 120);
  EXPECT_EQ(state.Fuel.Value, 50);

  // After the victory, any quadrant not yet struck wins again; a struck one
  // does not.
  ResumeGame(session);
  Aim(0, 0, 0);
  EXPECT_EQ(FireMissile(session).Ended, GameEnd::Won);
  ResumeGame(session);
  EXPECT_FALSE(FireMissile(session).Ended);
}

TEST_F(WeaponsTest, NoMissileLeftLosesWithTheMessageTwice) {
  state.Missiles.Value = 0;
  const Launch launch = LaunchMissile(session);
  EXPECT_FALSE(launch.Flight);
  EXPECT_EQ(launch.Report.Messages,
            (std::vector<Message>{MakeMessage(Text::MissilesGone), MakeMessage(Text::MissilesGone)}));
  EXPECT_EQ(launch.Report.Ended, GameEnd::Lost);
  EXPECT_TRUE(launch.Report.Sounds.empty());
  EXPECT_EQ(session.Picture, ScannerPicture::Defeat);
  EXPECT_EQ(state.Fuel.Value, 50);
  EXPECT_EQ(state.Missiles.Value, 0);
}

TEST_F(WeaponsTest, RetargetingMovesWithinTheSectorForFree) {
  state.Axis = ScanAxis::Y;
  Aim(6, 4, 1);
  const Outcome outcome = Retarget(session, {2, 7});
  EXPECT_EQ(state.X, 7);
  EXPECT_EQ(state.Z, 2);
  EXPECT_EQ(state.Y, 4) << "the sector stays";
  EXPECT_EQ(outcome.Cells, (std::vector<Cell>{{6, 1}, {2, 7}})) << "old cell, then new";
  EXPECT_EQ(outcome.Messages, std::vector<Message>{MakeMessage(Text::TargetingCoordinates, 2, 4, 7)});
  EXPECT_EQ(outcome.Invalidated,
            (std::vector<Area>{Area::WeaponsPanel, Area::EnginesPanel, Area::QuadrantIcon}));
  EXPECT_EQ(state.Missiles.Value, 120);
  EXPECT_EQ(state.Fuel.Value, 50);

  state.Axis = ScanAxis::X;
  Retarget(session, {8, 0});
  EXPECT_EQ(state.Z, 0);
  EXPECT_EQ(state.Y, 8);
  EXPECT_EQ(state.X, 7);
}

TEST_F(WeaponsTest, TargetingOrdersMoveTheTargetForFreeAndRedrawTheWindow) {
  Aim(6, 4, 1);
  const Outcome outcome = AimAt(session, {6, 0, 8});
  EXPECT_EQ(ShipQuadrant(state), (Quadrant{6, 0, 8}));
  EXPECT_EQ(outcome.Messages, std::vector<Message>{MakeMessage(Text::TargetingCoordinates, 6, 0, 8)});
  EXPECT_EQ(outcome.Invalidated, std::vector<Area>{Area::Window});
  EXPECT_EQ(state.Missiles.Value, 120);
  EXPECT_EQ(state.Fuel.Value, 50);
}
