#include "app/game_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "common/headless_test.h"
#include "common/temporary_directory.h"
#include "engine/generation.h"

namespace {

namespace headless = platform::headless;

// Saving and loading as the player sees it: the wait, the status lines and
// the warning boxes over the document format.
class GameFileTest : public HeadlessTest {
 protected:
  TemporaryDirectory directory;
  GameDocument document;
  Session saved;
  Session loaded;

  void SetUp() override {
    HeadlessTest::SetUp();
    saved.Random.Seed(9);
    saved.State.Difficulty = 1;
    GenerateGame(saved);
    saved.State.Y = 6;
    document.Path = directory.File("Davuvodo.war");
    loaded.State.Z = 3;
    loaded.Grid.StarIcon[0] = 10050;
  }

  static std::string OnlyWarning() {
    const BoxReport& box = OnlyBox();
    EXPECT_EQ(box.caption, "Kestravane");
    EXPECT_EQ(box.icon, BoxIcon::Warning);
    return box.text;
  }
};

}  // namespace

TEST_F(GameFileTest, SavingSaysSoOnceAndNamesTheDocument) {
  ASSERT_TRUE(WriteGameFile(nullptr, document, saved));
  EXPECT_TRUE(document.Named);
  EXPECT_TRUE(ShownBoxes().empty());
  const std::vector<std::string> lines = {"Saving " + document.Path + " ...", document.Path + " saved"};
  EXPECT_EQ(headless::StatusLines(), lines);
}

TEST_F(GameFileTest, LoadingTakesTheWholeGameIntoTheSession) {
  ASSERT_TRUE(WriteGameFile(nullptr, document, saved));
  ForgetShown();
  GameDocument reader;
  reader.Path = document.Path;
  ASSERT_TRUE(ReadGameFile(nullptr, reader, loaded));
  EXPECT_TRUE(reader.Named);
  EXPECT_EQ(loaded.State.Y, 6);
  EXPECT_EQ(std::memcmp(&loaded.Grid, &saved.Grid, sizeof saved.Grid), 0);
  const std::vector<std::string> lines = {"Loading " + reader.Path + " ...", reader.Path + " loaded"};
  EXPECT_EQ(headless::StatusLines(), lines);
}

TEST_F(GameFileTest, AFailedReadWarnsOnceAndChangesNothing) {
  std::ofstream(document.Path, std::ios::binary) << std::string(400, '\0');
  document.LastError = 77;
  const QuadrantGrid before = loaded.Grid;
  EXPECT_FALSE(ReadGameFile(nullptr, document, loaded));
  EXPECT_EQ(OnlyWarning(), "File: " + document.Path +
                               "\r\rInvalid file header signature detected. This\rdocument was not created by "
                               "Kestravane");
  EXPECT_EQ(document.LastError, 77u) << "a refused document is no failure of the file system";
  EXPECT_FALSE(document.Named);
  EXPECT_EQ(loaded.State.Z, 3);
  EXPECT_EQ(std::memcmp(&loaded.Grid, &before, sizeof before), 0);

  ForgetShown();
  document.Path = directory.File("nowhere.war");
  EXPECT_FALSE(ReadGameFile(nullptr, document, loaded));
  EXPECT_EQ(OnlyWarning(), "File: " + document.Path + "\r\rError detected opening this disk file\r\rCode " +
                               std::to_string(ENOENT));
  EXPECT_EQ(document.LastError, static_cast<std::uint32_t>(ENOENT));
}

TEST_F(GameFileTest, AFailedSaveWarnsAndLeavesTheDocumentUnnamed) {
  document.Path = directory.File("no-such-directory/game.war");
  EXPECT_FALSE(WriteGameFile(nullptr, document, saved));
  EXPECT_EQ(OnlyWarning(), "File: " + document.Path + "\r\rError detected creating this disk file\r\rCode " +
                               std::to_string(ENOENT));
  EXPECT_EQ(document.LastError, static_cast<std::uint32_t>(ENOENT));
  EXPECT_FALSE(document.Named);
  EXPECT_EQ(headless::StatusLines(), std::vector<std::string>{"Saving " + document.Path + " ..."});
}

TEST_F(GameFileTest, AnInconsistentDocumentIsRefusedWholeAsDamaged) {
  saved.State.ShipsDestroyed = 60;  // while every ship is still alive
  ASSERT_TRUE(WriteGameFile(nullptr, document, saved));
  ForgetShown();
  GameDocument reader;
  reader.Path = document.Path;
  const Session before = loaded;
  EXPECT_FALSE(ReadGameFile(nullptr, reader, loaded));
  EXPECT_EQ(OnlyWarning(), "File: " + reader.Path + "\r\rError detected reading game data from disk\rCode 0");
  EXPECT_FALSE(reader.Named);
  EXPECT_EQ(loaded.State.Z, before.State.Z);
  EXPECT_EQ(loaded.State.ShipsDestroyed, before.State.ShipsDestroyed);
  EXPECT_EQ(std::memcmp(&loaded.Grid, &before.Grid, sizeof before.Grid), 0);
  EXPECT_EQ(std::memcmp(&loaded.Log, &before.Log, sizeof before.Log), 0);
}
