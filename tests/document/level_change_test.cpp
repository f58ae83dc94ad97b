// A game whose level the player lowers in the middle of it, as the Options
// dialog does: the game keeps the supplies it has, is saved to disk with the
// new level, and must open again.

#include <gtest/gtest.h>

#include <variant>

#include "common/temporary_directory.h"
#include "document/game_file_io.h"
#include "engine/game_flow.h"
#include "engine/generation.h"
#include "engine/navigation.h"
#include "engine/score_figures.h"
#include "engine/sector.h"
#include "engine/weapons.h"

using namespace kestravane;

TEST(LevelChangedInPlay, AnEasyGameLoweredToHardIsSavedAndOpensWithItsSupplies) {
  Session session;
  session.Random.Seed(2718);
  session.State.Difficulty = Difficulty::Easy;
  StartNewGame(session);
  // Each paint records the sector on the scanner, as the screen does.
  RecordSectorScan(session.Grid, session.State, session.Log);
  for (int turn = 0; turn < 4; ++turn) {
    FireMissile(session);
    EngageEngines(session);
    RecordSectorScan(session.Grid, session.State, session.Log);
  }
  ASSERT_EQ(session.State.Missiles.Value, 356);
  ASSERT_EQ(session.State.Fuel.Value, 146);
  session.State.Difficulty = Difficulty::Hard;

  TemporaryDirectory directory;
  const std::string path = directory.File("Davuvodo.war");
  const GameFileBytes saved = EncodeGameFile(session);
  ASSERT_FALSE(WriteGameDocument(path, saved));
  const auto read = ReadGameDocument(path);
  ASSERT_TRUE(std::holds_alternative<LoadedGame>(read)) << "refused as damaged";
  Session loaded;
  ApplyLoadedGame(std::get<LoadedGame>(read), loaded);

  const GameState& state = loaded.State;
  EXPECT_EQ(state.Difficulty, Difficulty::Hard);
  EXPECT_EQ(state.Missiles.Value, 356);
  EXPECT_EQ(state.Fuel.Value, 146);
  EXPECT_LE(state.Missiles.Value, state.Missiles.Maximum);
  EXPECT_LE(state.Fuel.Value, state.Fuel.Maximum);
  // The document keeps no count of shots: the game opened counts its kill
  // ratio from the missiles it held when it was saved.
  EXPECT_EQ(MissilesFired(state), 0);
  EXPECT_EQ(EncodeGameFile(loaded), saved);
}
