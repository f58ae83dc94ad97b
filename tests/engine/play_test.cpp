#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "engine/game_flow.h"
#include "engine/modes.h"
#include "engine/navigation.h"
#include "engine/targeting.h"
#include "engine/weapons.h"

using namespace kestravane;

namespace {

bool Same(const auto& a, const auto& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// An open game at Hard's full supplies, no ships, nothing scanned, the ship at 0-0-0 looking along Z.
class PlayTest : public ::testing::Test {
 protected:
  Session session;
  GameState& state = session.State;

  void SetUp() override {
    session.InProgress = true;
    state = {0, 0, 0, ScanAxis::Z, 0, 0, {0, 120, 120}, {0, 50, 50}, Difficulty::Hard};
  }

  void Aim(Quadrant q, ScanAxis axis) { std::tie(state.Z, state.Y, state.X, state.Axis) = std::tuple(q.Z, q.Y, q.X, axis); }

  std::vector<int> Where() const { return {state.Z, state.Y, state.X}; }

  // As the screen does, the next paint records the sector on the scanner.
  Outcome Shown(Outcome outcome) {
    RecordSectorScan(session.Grid, state, session.Log);
    return outcome;
  }

  // Records the sectors along `axis` in `log`: all of them, or only those scanned before.
  void Scan(ScanAxis axis, ScanLog& log, bool onlyScanned) {
    for (int c = 0; c < AxisLength; ++c)
      if (!onlyScanned || LoggedScan(log, axis, c).Scanned)
        RecordSectorScan(session.Grid, {c, c, c, axis, 0, 0, {}, {}, {}}, log);
  }

  // Every scanned sector's entry says what a fresh scan would find.
  void ExpectLogMatchesTheGrid() {
    ScanLog fresh = session.Log;
    for (const ScanAxis axis : {ScanAxis::Z, ScanAxis::Y, ScanAxis::X}) Scan(axis, fresh, true);
    EXPECT_TRUE(Same(fresh, session.Log));
  }
};

}  // namespace

TEST_F(PlayTest, NineMovesAlongAnyAxisComeRoundAgain) {
  state.Fuel = {0, 72, 72};
  for (const auto& [axis, moved] : {std::pair{ScanAxis::Z, 0}, {ScanAxis::Y, 1}, {ScanAxis::X, 2}, {ScanAxis(7), 0}}) {
    Aim({8, 0, 3}, axis);
    for (const int step : {1, -1}) {
      std::vector<int> expected = Where();
      for (int move = 0; move < AxisLength; ++move) {
        (step > 0 ? EngageEngines : ReverseEngines)(session);
        expected[moved] = (expected[moved] + step + AxisLength) % AxisLength;
        ASSERT_EQ(Where(), expected) << static_cast<int>(axis) << " step " << step << " move " << move;
      }
    }
  }
}

TEST_F(PlayTest, TheSectorReportCountsTheLiveShips) {
  // Z 1: one of three alive. Z 2: three alive. Z 3: all destroyed. Z 4: none.
  for (const auto& [z, y, x] : {std::tuple{1, 0, 0}, {1, 0, 1}, {1, 0, 2}, {2, 5, 3}, {2, 5, 4}, {2, 5, 5}, {3, 6, 7},
                                {3, 7, 7}, {3, 8, 7}}) {
    session.Grid.Enemy[QuadrantIndex(z, y, x)] = 1;
    session.Grid.Struck[QuadrantIndex(z, y, x)] = z == 3 || (z == 1 && x < 2);
  }
  for (const Message& report : {MakeMessage(Text::ShipsInSector, 1), MakeMessage(Text::ShipsInSector, 3),
                                MakeMessage(Text::SectorCleared), MakeMessage(Text::SectorHasNoShips)})
    EXPECT_EQ(EngageEngines(session).Messages.back(), report);
}

TEST_F(PlayTest, AimingMovesTheTargetToAnyCellOfTheSectorWhereTheMissileThenFlies) {
  state.Missiles = {0, 500, 500};
  for (const ScanAxis axis : {ScanAxis::Z, ScanAxis::Y, ScanAxis::X, ScanAxis(7)}) {
    for (int row = -1; row <= AxisLength; ++row)
      for (int column = -1; column <= AxisLength; ++column) {
        Aim({6, 4, 1}, axis);
        const int sector = SectorCoordinate(state);
        const Cell to{std::clamp(row, 0, 8), std::clamp(column, 0, 8)};
        const Outcome outcome = Retarget(session, {row, column});
        ASSERT_EQ(std::tuple(ShipCell(state), SectorCoordinate(state), outcome.Messages.at(0)),
                  std::tuple(to, sector, MakeMessage(Text::TargetingCoordinates, state.Z, state.Y, state.X)));
        const Launch launch = LaunchMissile(session);
        ASSERT_TRUE(launch.Flight);
        ASSERT_EQ(std::pair(launch.Flight->Target, launch.Flight->TargetCell), std::pair(ShipQuadrant(state), to));
      }
  }
}

TEST_F(PlayTest, AWholeGamePlayedToVictoryThenAnotherToDefeatAndClosed) {
  session.Random.Seed(20261207);
  Shown(StartNewGame(session));
  Scan(ScanAxis::Y, session.Log, false);  // a kill must keep these up to date too
  std::vector<Quadrant> enemies;
  for (int i = 0; i < QuadrantCount; ++i)
    if (session.Grid.Enemy[i]) enemies.push_back({i / 81, i / 9 % 9, i % 9});
  // Forward through the Z sectors from where the game starts, round once.
  std::stable_sort(enemies.begin(), enemies.end(),
                   [&](Quadrant a, Quadrant b) { return (a.Z - state.Z + 9) % 9 < (b.Z - state.Z + 9) % 9; });
  int moves = 0;
  Outcome last;
  for (std::size_t shot = 0; shot < enemies.size(); ++shot) {
    const Quadrant target = enemies[shot];
    for (; state.Z != target.Z; ++moves) ASSERT_FALSE(Shown(EngageEngines(session)).Ended);
    Shown(Retarget(session, {target.Y, target.X}));
    last = Shown(FireMissile(session));
    ASSERT_EQ(std::tuple(last.Messages.at(1), last.Sounds, last.AlertWhenSilent),
              std::tuple(MakeMessage(Text::EnemyDestroyed, target.Z, target.Y, target.X),
                         std::vector{Sound::MissileLaunched, Sound::EnemyDestroyed}, true));
    ASSERT_EQ(std::pair(state.ShipsDestroyed, last.Ended.has_value()), std::pair(static_cast<int>(shot) + 1, shot == 59));
  }
  EXPECT_LE(moves, 8);
  EXPECT_EQ(std::tuple(last.Ended, last.Messages.back(), last.ShipButtons, session.Picture, state.Missiles.Value,
                       state.Fuel.Value),
            std::tuple(GameEnd::Won, MakeMessage(Text::Victory), false, ScannerPicture::Victory, 120, 50));
  ExpectLogMatchesTheGrid();
  // Then an unstruck quadrant wins again, a struck one cannot.
  AimAt(session, {0, 0, 0});
  const Outcome searched = FireMissile(session);
  EXPECT_EQ(std::tuple(searched.Messages.at(1), searched.Sounds.size(), searched.Ended),
            std::tuple(MakeMessage(Text::NoEnemyFound, 0, 0, 0), 1u, GameEnd::Won));
  AimAt(session, enemies[0]);
  const Outcome wasted = FireMissile(session);
  EXPECT_EQ(std::tuple(wasted.Messages.back(), wasted.Sounds.back(), wasted.AlertWhenSilent, wasted.Ended.has_value()),
            std::tuple(MakeMessage(Text::ShipAlreadyDestroyed), Sound::MissileWasted, false, false));
  const auto figures = [this] {
    return std::tuple(session.History.MissilesFired, session.History.FuelUsed, session.History.Ended);
  };
  EXPECT_EQ(figures(), std::tuple(60u, static_cast<std::uint32_t>(moves), GameEnd::Won)) << "they stop at the end";

  session.Random.Seed(77);
  Shown(StartNewGame(session));
  for (int shot = 0; shot < 120; ++shot) {
    const Outcome outcome = Shown(FireMissile(session));
    ASSERT_FALSE(outcome.Ended) << "shot " << shot;
    ASSERT_EQ(outcome.Messages.back().Id, shot == 0 ? Text::NoEnemyFound : Text::QuadrantSweptClean);
  }
  const Outcome lost = Shown(FireMissile(session));
  EXPECT_EQ(std::tuple(lost.Messages, lost.Ended, lost.ShipButtons, lost.Sounds.size(), session.Picture),
            std::tuple(std::vector{MakeMessage(Text::MissilesGone), MakeMessage(Text::MissilesGone)}, GameEnd::Lost,
                       false, 0u, ScannerPicture::Defeat));
  // The tour: the tank is full, and every shot loses again.
  EXPECT_EQ(FireMissile(session).Ended, GameEnd::Lost);
  state.Axis = ScanAxis::Y;
  for (int move = 0; move < 50; ++move) ASSERT_FALSE(Shown(ReverseEngines(session)).Ended) << "move " << move;
  const Outcome dry = Shown(ReverseEngines(session));
  EXPECT_EQ(std::tuple(dry.Messages, dry.Ended, dry.Sounds.size(), state.Fuel.Value),
            std::tuple(std::vector{MakeMessage(Text::FuelGone), MakeMessage(Text::MissilesGone)}, GameEnd::Lost, 0u, 50))
      << "the end names what is missing most";
  EXPECT_EQ(figures(), std::tuple(120u, 0u, GameEnd::Lost)) << "the tour changes none of them";
  ExpectLogMatchesTheGrid();
  // With missiles left an empty tank says so twice; the ship stays where the helm put it.
  std::tie(state.Missiles.Value, state.Fuel.Value) = std::pair(3, 0);
  const Outcome stranded = SteerTo(session, {3, 3, 3}, ScanAxis::Y);
  EXPECT_EQ(std::tuple(Where(), stranded.Messages.size(), stranded.Messages.back(), stranded.Ended),
            std::tuple(std::vector{3, 3, 3}, 3u, MakeMessage(Text::FuelGone), GameEnd::Lost));
  // Only a document command that went through stops tracing; closing keeps the level and the gauges' range.
  EndDocumentCommand(session, false);
  EXPECT_TRUE(session.ScannerTracing);
  EndDocumentCommand(session, true);
  EXPECT_FALSE(session.ScannerTracing);
  ClearGame(session);
  const Session fresh;
  const GameState cleared{0, 0, 0, ScanAxis::Z, 0, 0, {0, 120, 0}, {0, 50, 0}, Difficulty::Hard};
  EXPECT_TRUE(Same(state, cleared) && Same(session.Grid, fresh.Grid) && Same(session.Log, fresh.Log) && !session.InProgress);
  session.Picture = ScannerPicture::Rules;
  EXPECT_EQ(BeginDocumentCommand(session).ShipButtons, false) << "no game to go back to";
}

// Only help taken makes a game assisted, and the player hears of it once a game: not diagnostics alone, nor a gauge
// pressed against its end, nor diagnostics carried into a new game.
TEST_F(PlayTest, OnlyTracingOrAGaugeSetByHandMakesAGameAssistedAndSaysSoOnce) {
  struct Step { Outcome (*act)(Session&); std::vector<Text> said; bool assisted; };
  const Step steps[] = {
      {ToggleDiagnostics, {Text::DiagnosticsOn}, false},
      {[](Session& s) { return AdjustGauge(s, true); }, {Text::Commander}, false},
      {[](Session& s) { return SelectSystem(s, DiagnosticsSystem::Missiles); }, {Text::WeaponsSelected}, false},
      {[](Session& s) { return AdjustGauge(s, true); }, {Text::MissilesAtMaximum}, false},
      {[](Session& s) { return AdjustGauge(s, false); }, {Text::MissilesDecreasing, Text::AssistedGame}, true},
      {ToggleTracing, {Text::TracingOn}, true},
      {StartNewGame, {Text::Generating, Text::ShipsDetected, Text::UniverseNumber}, false},
      {ToggleTracing, {Text::TracingOff}, false},  // still on from the game before
      {ToggleTracing, {Text::TracingOn, Text::AssistedGame}, true},
  };
  for (std::size_t step = 0; step < std::size(steps); ++step) {
    std::vector<Text> said;
    for (const Message& message : steps[step].act(session).Messages) said.push_back(message.Id);
    EXPECT_EQ(std::tuple(said, session.History.Assisted, session.Diagnostics),
              std::tuple(steps[step].said, steps[step].assisted, true))
        << "step " << step;
  }
}
