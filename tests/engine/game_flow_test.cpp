#include "engine/game_flow.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace kestravane;

namespace {

bool SameGrid(const QuadrantGrid& a, const QuadrantGrid& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool SameLog(const ScanLog& a, const ScanLog& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

Session NewSession(std::uint32_t seed, Difficulty difficulty) {
  Session session;
  session.Random.Seed(seed);
  session.State.Difficulty = difficulty;
  return session;
}

}  // namespace

TEST(GameFlow, ANewGameIsOpenAndAsksForTheWholeWindowAndTheShipButtons) {
  Session session = NewSession(3, Difficulty::Normal);
  const Outcome outcome = StartNewGame(session);
  EXPECT_TRUE(session.InProgress);
  EXPECT_EQ(session.State.EnemyShips, 60);
  ASSERT_EQ(outcome.Messages.size(), 2u);
  EXPECT_EQ(outcome.Messages.back(), MakeMessage(Text::ShipsDetected, 60, 20));
  EXPECT_EQ(outcome.Invalidated, std::vector<Area>{Area::Window});
  EXPECT_EQ(outcome.ShipButtons, true);
}

TEST(GameFlow, ClearingKeepsTheDifficultyAndTheMaximaAndSaysReady) {
  Session session = NewSession(3, Difficulty::Easy);
  StartNewGame(session);
  session.State.Z = 5;
  session.State.Axis = ScanAxis::X;
  session.State.ShipsDestroyed = 4;
  session.Log.Sector[2].Scanned = 1;

  const Outcome outcome = ClearGame(session);
  EXPECT_FALSE(session.InProgress);
  EXPECT_EQ(session.State.Difficulty, Difficulty::Easy);
  EXPECT_EQ(session.State.Missiles.Maximum, 360);
  EXPECT_EQ(session.State.Fuel.Maximum, 150);
  EXPECT_EQ(session.State.Missiles.Value, 0);
  EXPECT_EQ(session.State.Fuel.Value, 0);
  EXPECT_EQ(session.State.Z, 0);
  EXPECT_EQ(session.State.Axis, ScanAxis::Z);
  EXPECT_EQ(session.State.EnemyShips, 0);
  EXPECT_EQ(session.State.ShipsDestroyed, 0);
  EXPECT_TRUE(SameGrid(session.Grid, QuadrantGrid{}));
  EXPECT_TRUE(SameLog(session.Log, ScanLog{}));
  EXPECT_EQ(outcome.Messages, std::vector<Message>{MakeMessage(Text::Ready)});
  EXPECT_EQ(outcome.ShipButtons, false);
}

TEST(GameFlow, ADocumentCommandResumesFromAPictureAndOnlyOneThatWentThroughStopsTracing) {
  Session session = NewSession(1, Difficulty::Normal);
  StartNewGame(session);
  session.ScannerTracing = true;
  session.Picture = ScannerPicture::Keys;

  const Outcome begun = BeginDocumentCommand(session);
  EXPECT_EQ(session.Picture, ScannerPicture::None);
  EXPECT_EQ(begun.Messages, std::vector<Message>{MakeMessage(Text::Resuming)});
  EXPECT_EQ(begun.Invalidated, std::vector<Area>{Area::ScannerView});
  EXPECT_EQ(begun.ShipButtons, true);

  EndDocumentCommand(session, false);
  EXPECT_TRUE(session.ScannerTracing) << "a cancelled command changes nothing";
  EndDocumentCommand(session, true);
  EXPECT_FALSE(session.ScannerTracing);

  const Outcome noPicture = BeginDocumentCommand(session);
  EXPECT_TRUE(noPicture.Messages.empty());
  EXPECT_TRUE(noPicture.Invalidated.empty());
  EXPECT_FALSE(noPicture.ShipButtons);
}

TEST(GameFlow, APictureOverAClosedGameLeavesTheButtonsOff) {
  Session session;
  session.Picture = ScannerPicture::Rules;
  EXPECT_EQ(BeginDocumentCommand(session).ShipButtons, false);
}

TEST(GameFlow, TwoSessionsSideBySideShareNothing) {
  Session first = NewSession(11, Difficulty::Hard);
  Session second = NewSession(11, Difficulty::Easy);
  StartNewGame(first);
  const QuadrantGrid firstGrid = first.Grid;

  // The same seed gives the same universe, each from its own random source.
  StartNewGame(second);
  EXPECT_TRUE(SameGrid(first.Grid, second.Grid));
  EXPECT_EQ(first.State.Missiles.Maximum, 120);
  EXPECT_EQ(second.State.Missiles.Maximum, 360);

  second.ScannerTracing = true;
  second.Picture = ScannerPicture::Victory;
  second.Diagnostics = true;
  second.State.Z = 7;
  second.Grid.Struck[QuadrantIndex(7, 4, 4)] = 1;
  StartNewGame(second);  // the second source moves on; the first stays put
  EXPECT_FALSE(SameGrid(first.Grid, second.Grid));
  ClearGame(second);

  EXPECT_TRUE(first.InProgress);
  EXPECT_FALSE(first.ScannerTracing);
  EXPECT_FALSE(first.Diagnostics);
  EXPECT_EQ(first.Picture, ScannerPicture::None);
  EXPECT_EQ(first.State.Z, 0);
  EXPECT_TRUE(SameGrid(first.Grid, firstGrid));
  StartNewGame(first);
  EXPECT_FALSE(SameGrid(first.Grid, firstGrid)) << "the first source carried on by itself";
}

TEST(Outcome, AppendKeepsTheOrderAndTheLaterButtonState) {
  Outcome earlier;
  earlier.Post(Text::Generating);
  earlier.Sounds.push_back(Sound::EnginesEngaged);
  earlier.ShipButtons = false;
  Outcome later;
  later.Post(Text::Ready);
  later.Invalidate(Area::ScannerPanel);
  later.Sounds.push_back(Sound::MissileLaunched);
  earlier.Append(later);
  EXPECT_EQ(earlier.Messages, (std::vector<Message>{MakeMessage(Text::Generating), MakeMessage(Text::Ready)}));
  EXPECT_EQ(earlier.Sounds, (std::vector<Sound>{Sound::EnginesEngaged, Sound::MissileLaunched}));
  EXPECT_EQ(earlier.Invalidated, std::vector<Area>{Area::ScannerPanel});
  EXPECT_EQ(earlier.ShipButtons, false);

  Outcome buttons;
  buttons.ShipButtons = true;
  earlier.Append(buttons);
  EXPECT_EQ(earlier.ShipButtons, true);
}
