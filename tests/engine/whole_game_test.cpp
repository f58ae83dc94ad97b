// Whole games through the rules alone, as a player would play them: move
// with the engines, aim within the sector, fire, and read what happened.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/game_flow.h"
#include "engine/modes.h"
#include "engine/navigation.h"
#include "engine/score_figures.h"
#include "engine/targeting.h"
#include "engine/weapons.h"

using namespace kestravane;

namespace {

class WholeGameTest : public ::testing::Test {
 protected:
  Session session;
  GameState& state = session.State;

  void Start(std::uint32_t gameNumber, Difficulty difficulty) {
    session.Random.Seed(gameNumber);
    state.Difficulty = difficulty;
    StartNewGame(session);
    Shown(Outcome{});
  }

  // What the screen does with an outcome that matters to the rules: the
  // next paint of the scanner panel records the sector on screen.
  Outcome Shown(Outcome outcome) {
    RecordSectorScan(session.Grid, state, session.Log);
    return outcome;
  }

  std::vector<Quadrant> EnemyQuadrants() const {
    std::vector<Quadrant> enemies;
    for (int z = 0; z < AxisLength; ++z)
      for (int y = 0; y < AxisLength; ++y)
        for (int x = 0; x < AxisLength; ++x)
          if (session.Grid.Enemy[QuadrantIndex(z, y, x)]) enemies.push_back({z, y, x});
    return enemies;
  }

  // Every scanned sector's entry says what a fresh scan would.
  void ExpectLogMatchesTheGrid() const {
    for (int axis = 0; axis < 3; ++axis) {
      for (int coordinate = 0; coordinate < AxisLength; ++coordinate) {
        const SectorScan& logged = session.Log.Sector[axis * AxisLength + coordinate];
        if (!logged.Scanned) continue;
        GameState there = state;
        there.Axis = ScanAxis(axis);  // Z, Y, X, in the log's order
        (axis == 0 ? there.Z : axis == 1 ? there.Y : there.X) = coordinate;
        EXPECT_EQ(logged.Ships, CountSectorShips(session.Grid, there)) << axis << "/" << coordinate;
        EXPECT_EQ(logged.Destroyed, CountSectorDestroyed(session.Grid, there)) << axis << "/" << coordinate;
        EXPECT_EQ(logged.Remaining, logged.Ships - logged.Destroyed);
      }
    }
  }
};

}  // namespace

TEST_F(WholeGameTest, EveryEnemyQuadrantHitOnceWinsOnTheSixtiethShip) {
  Start(20261207, Difficulty::Hard);
  ASSERT_EQ(state.Axis, ScanAxis::Z);
  std::vector<Quadrant> enemies = EnemyQuadrants();
  ASSERT_EQ(enemies.size(), 60u);
  // Forward through the Z sectors from where the game starts, round once.
  const int startZ = state.Z;
  std::stable_sort(enemies.begin(), enemies.end(), [&](const Quadrant& a, const Quadrant& b) {
    return (a.Z - startZ + 9) % 9 < (b.Z - startZ + 9) % 9;
  });

  int moves = 0;
  Outcome last;
  for (std::size_t shot = 0; shot < enemies.size(); ++shot) {
    const Quadrant target = enemies[shot];
    while (state.Z != target.Z) {
      const Outcome moved = Shown(EngageEngines(session));
      ASSERT_FALSE(moved.Ended);
      ++moves;
    }
    Shown(Retarget(session, {target.Y, target.X}));
    last = Shown(FireMissile(session));
    EXPECT_EQ(last.Messages[1], MakeMessage(Text::EnemyDestroyed, target.Z, target.Y, target.X));
    EXPECT_EQ(state.ShipsDestroyed, static_cast<int>(shot) + 1);
    if (shot + 2 == enemies.size()) {
      // One ship to go: every missile so far was a kill.
      EXPECT_EQ(MakeScoreFigures(session.Grid, state).KillRatio, MakeMessage(Text::KillRatio, 100));
      EXPECT_EQ(MakeScoreFigures(session.Grid, state).ShipsRemaining,
                MakeMessage(Text::ShipsRemaining, 1, std::string(), std::string("s")));
    }
    if (shot + 1 < enemies.size()) {
      ASSERT_FALSE(last.Ended) << "shot " << shot;
    }
  }

  EXPECT_LE(moves, 8);
  EXPECT_EQ(last.Ended, GameEnd::Won);
  EXPECT_EQ(last.Messages.back(), MakeMessage(Text::Victory));
  EXPECT_EQ(session.Picture, ScannerPicture::Victory);
  EXPECT_EQ(state.Missiles.Value, state.Missiles.Maximum);
  EXPECT_EQ(state.Fuel.Value, state.Fuel.Maximum);
  EXPECT_EQ(MakeScoreFigures(session.Grid, state).KillRatio, MakeMessage(Text::NoShotFired))
      << "the refilled gauge counts no shot";
  ExpectLogMatchesTheGrid();
  for (int sector = 0; sector < AxisLength; ++sector) {
    const SectorScan& scan = session.Log.Sector[sector];  // the Z sectors come first
    EXPECT_TRUE(!scan.Scanned || scan.Remaining == 0) << "Z sector " << sector;
  }
}

TEST_F(WholeGameTest, MissilesRunOutThenTheTourAfterDefeatRunsTheTankDry) {
  Start(77, Difficulty::Hard);
  const int missiles = state.Missiles.Maximum;
  int hits = 0;
  for (int shot = 0; shot < missiles; ++shot) {
    const Outcome outcome = Shown(FireMissile(session));
    ASSERT_FALSE(outcome.Ended) << "shot " << shot;
    if (outcome.Messages.back().Id == Text::EnemyDestroyed) ++hits;
  }
  EXPECT_LE(hits, 1) << "every shot went to the same quadrant";
  EXPECT_EQ(state.Missiles.Value, 0);

  const Outcome lost = Shown(FireMissile(session));
  EXPECT_EQ(lost.Messages, (std::vector<Message>{MakeMessage(Text::MissilesGone), MakeMessage(Text::MissilesGone)}));
  EXPECT_EQ(lost.Ended, GameEnd::Lost);
  EXPECT_EQ(session.Picture, ScannerPicture::Defeat);
  EXPECT_TRUE(session.ScannerTracing);
  EXPECT_EQ(state.Fuel.Value, state.Fuel.Maximum);

  // The tour: the tank is full, every shot ends the game again at once.
  EXPECT_EQ(ResumeGame(session).ShipButtons, true);
  const Outcome again = FireMissile(session);
  EXPECT_EQ(again.Ended, GameEnd::Lost);
  EXPECT_TRUE(again.Sounds.empty()) << "no missile, no launch";
  ResumeGame(session);

  const int fuel = state.Fuel.Value;
  state.Axis = ScanAxis::Y;
  for (int move = 0; move < fuel; ++move) {
    ASSERT_FALSE(Shown(ReverseEngines(session)).Ended) << "move " << move;
  }
  const Outcome dry = Shown(ReverseEngines(session));
  EXPECT_EQ(dry.Messages, (std::vector<Message>{MakeMessage(Text::FuelGone), MakeMessage(Text::MissilesGone)}))
      << "the end names what is missing most";
  EXPECT_EQ(dry.Ended, GameEnd::Lost);
  EXPECT_EQ(state.Fuel.Value, state.Fuel.Maximum);
  EXPECT_EQ(state.ShipsDestroyed, hits);
  ExpectLogMatchesTheGrid();
}

TEST_F(WholeGameTest, AMoveOnAnEmptyTankLosesWithMissilesLeft) {
  Start(5, Difficulty::Easy);
  const int fuel = state.Fuel.Value;
  for (int move = 0; move < fuel; ++move) {
    ASSERT_FALSE(Shown(EngageEngines(session)).Ended);
  }
  const int zBefore = state.Z;
  const Outcome dry = Shown(EngageEngines(session));
  EXPECT_EQ(state.Z, (zBefore + 1) % 9);
  EXPECT_EQ(dry.Messages, (std::vector<Message>{MakeMessage(Text::FuelGone), MakeMessage(Text::FuelGone)}));
  EXPECT_EQ(dry.Ended, GameEnd::Lost);
  EXPECT_EQ(state.Missiles.Value, 0);
  EXPECT_EQ(session.Picture, ScannerPicture::Defeat);
  ExpectLogMatchesTheGrid();
}
