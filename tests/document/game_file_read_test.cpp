#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "document/byte_order.h"
#include "document/game_file.h"
#include "engine/ship_buttons.h"
#include "game_fixture.h"

namespace {

int shipButtonsEnabled = -1;
void RememberShipButtons(int enable) { shipButtonsEnabled = enable; }

// A saved game read back into a different game already in memory.
class GameFileReadTest : public GameFileTest {
 protected:
  QuadrantGrid loadedGrid{};
  GameState loaded;
  ScanLog loadedLog{};
  GameDocument reader;
  std::vector<unsigned char> saved;

  void SetUp() override {
    GameFileTest::SetUp();
    ASSERT_EQ(WriteGameFile(nullptr, document, grid, state, log), 1);
    saved = Bytes(document.Path);
    reader.Path = document.Path;
    loaded.Difficulty = 2;
    loaded.Missiles.Maximum = 240;
    loaded.Z = 6;
    loadedGrid.StarIcon[0] = 10050;
    loadedLog.Sector[0].Ships = 9;
    shipButtonsEnabled = -1;
    SetShipButtonsSwitch(RememberShipButtons);
  }
  void TearDown() override { SetShipButtonsSwitch(nullptr); }

  int Read() {
    platform::headless::ForgetShown();
    return ReadGameFile(nullptr, reader, loadedGrid, loaded, loadedLog);
  }

  // Reads `bytes` and checks that the refusal changed nothing in memory.
  std::string Refused(const std::vector<unsigned char>& bytes) {
    Store(reader.Path, bytes);
    const QuadrantGrid gridBefore = loadedGrid;
    const ScanLog logBefore = loadedLog;
    EXPECT_EQ(Read(), 0);
    EXPECT_EQ(loaded.Z, 6);
    EXPECT_EQ(loaded.Difficulty, 2);
    EXPECT_EQ(loaded.Missiles.Maximum, 240);
    EXPECT_EQ(std::memcmp(&gridBefore, &loadedGrid, sizeof loadedGrid), 0);
    EXPECT_EQ(std::memcmp(&logBefore, &loadedLog, sizeof loadedLog), 0);
    EXPECT_EQ(reader.InProgress, 0);
    EXPECT_EQ(reader.Named, 0);
    EXPECT_EQ(shipButtonsEnabled, -1);
    return OnlyBox();
  }

  std::string BlockMessage(const char* block, int code = 0) const {
    return "File: " + reader.Path + "\r\rError detected reading " + block + " data from disk\rCode " +
           std::to_string(code);
  }

  std::vector<unsigned char> WithRecordField(int field, std::int32_t value) const {
    auto bytes = saved;
    PutI32(&bytes[256 + 4 * field], value);
    return bytes;
  }
};

enum RecordField { EnemyShips, ShipsDestroyed, FieldZ, FieldY, FieldX, Axis, Difficulty, Fuel, Missiles };

}  // namespace

TEST_F(GameFileReadTest, RestoresTheGameExactly) {
  platform::headless::ShowStatusLines(true);
  ASSERT_EQ(Read(), 1);
  platform::headless::ShowStatusLines(false);
  EXPECT_EQ(loaded.EnemyShips, 60);
  EXPECT_EQ(loaded.ShipsDestroyed, 2);
  EXPECT_EQ(loaded.Z, 5);
  EXPECT_EQ(loaded.Y, 1);
  EXPECT_EQ(loaded.X, 7);
  EXPECT_EQ(loaded.ScanAxis, ScanX);
  EXPECT_EQ(loaded.Difficulty, 3);
  EXPECT_EQ(loaded.Fuel.Value, 149);
  EXPECT_EQ(loaded.Missiles.Value, 351);
  EXPECT_EQ(loaded.Fuel.Maximum, 150);
  EXPECT_EQ(loaded.Missiles.Maximum, 360);
  EXPECT_EQ(std::memcmp(&grid, &loadedGrid, sizeof grid), 0);
  EXPECT_EQ(std::memcmp(&log, &loadedLog, sizeof log), 0);
  EXPECT_EQ(reader.InProgress, 1);
  EXPECT_EQ(reader.Named, 1);
  EXPECT_EQ(shipButtonsEnabled, 1);
  EXPECT_TRUE(platform::headless::Boxes().empty());
  const auto& lines = platform::headless::StatusLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Loading " + reader.Path + " ...");
  EXPECT_EQ(lines[1], reader.Path + " loaded");
}

TEST_F(GameFileReadTest, IgnoresTextsMinorVersionAndTrailingBytes) {
  auto bytes = saved;
  std::memset(&bytes[16], 'x', 240);
  bytes[6] = 9;
  bytes.resize(20000, 0xEE);
  Store(reader.Path, bytes);
  EXPECT_EQ(Read(), 1);
  EXPECT_EQ(loaded.Missiles.Value, 351);
}

TEST_F(GameFileReadTest, AMissingFileReportsFileNotFound) {
  reader.Path = directory.File("nowhere.war");
  EXPECT_EQ(Read(), 0);
  EXPECT_EQ(OnlyBox(), "File: " + reader.Path + "\r\rError detected opening this disk file\r\rCode " +
                           std::to_string(ENOENT));
  EXPECT_EQ(reader.LastError, static_cast<std::uint32_t>(ENOENT));
  EXPECT_EQ(loaded.Z, 6);
}

TEST_F(GameFileReadTest, TruncatedFilesNameTheBlockThatIsShort) {
  const std::vector<unsigned char> tiny(saved.begin(), saved.begin() + 255);
  EXPECT_EQ(Refused(tiny),
            "File: " + reader.Path + "\r\rError detected reading header from this disk file\r\rCode 0");
  const struct {
    std::size_t length;
    const char* block;
  } cuts[] = {{256, "game"}, {291, "game"}, {292, "quadrant"}, {9039, "quadrant"}, {9040, "scanner"}, {9471, "scanner"}};
  for (const auto& cut : cuts) {
    EXPECT_EQ(Refused({saved.begin(), saved.begin() + static_cast<long>(cut.length)}), BlockMessage(cut.block))
        << cut.length << " bytes";
  }
}

TEST_F(GameFileReadTest, AForeignFileIsRefusedBeforeItsVersionIsLookedAt) {
  auto bytes = saved;
  bytes[0] = 0xEE;
  bytes[4] = 1;
  EXPECT_EQ(Refused(bytes), "File: " + reader.Path +
                                "\r\rInvalid file header signature detected. This\rdocument was not created by "
                                "Kestravane");
}

TEST_F(GameFileReadTest, AnOlderMajorVersionIsRefusedWithItsNumber) {
  auto bytes = saved;
  bytes[4] = 1;
  bytes[6] = 5;
  EXPECT_EQ(Refused(bytes), "File: " + reader.Path +
                                "\r\rThis game document was created with Kestravane v1.5\rIt can not be used "
                                "with Kestravane for Windows 95/NT\r\rPlease use Kestravane v1.5 or older to "
                                "load this file.");
}

TEST_F(GameFileReadTest, ARecordTheEngineCannotPlayIsRefusedAsDamaged) {
  const struct {
    int field;
    std::int32_t value;
  } bad[] = {{FieldZ, 9},       {FieldY, -1},  {FieldX, 100},  {Axis, 3},           {Axis, -1},
             {Difficulty, 0},   {Difficulty, 4}, {Fuel, -1},   {Fuel, 151},         {Missiles, 361},
             {EnemyShips, -1},  {ShipsDestroyed, -1}, {ShipsDestroyed, 61}, {EnemyShips, 730}};
  for (const auto& [field, value] : bad)
    EXPECT_EQ(Refused(WithRecordField(field, value)), BlockMessage("game")) << field << " = " << value;
}

TEST_F(GameFileReadTest, LimitsFollowTheStoredDifficulty) {
  EXPECT_EQ(Refused(WithRecordField(Difficulty, 1)), BlockMessage("game")) << "149 fuel is beyond Hard's 50";
  auto bytes = WithRecordField(Difficulty, 1);
  PutI32(&bytes[256 + 4 * Fuel], 50);
  PutI32(&bytes[256 + 4 * Missiles], 120);
  Store(reader.Path, bytes);
  ASSERT_EQ(Read(), 1);
  EXPECT_EQ(loaded.Fuel.Maximum, 50);
  EXPECT_EQ(loaded.Missiles.Maximum, 120);
}

TEST_F(GameFileReadTest, AStarFieldOutsideTheSetIsRefusedAsADamagedGrid) {
  for (const std::int32_t icon : {10000, 10201, 0}) {
    auto bytes = saved;
    PutI32(&bytes[292 + 4 * 728], icon);
    EXPECT_EQ(Refused(bytes), BlockMessage("quadrant")) << icon;
  }
}

TEST_F(GameFileReadTest, ADocumentBeingWrittenCannotBeRead) {
  const int writer = open(reader.Path.c_str(), O_RDONLY);
  ASSERT_GE(writer, 0);
  ASSERT_EQ(flock(writer, LOCK_EX), 0);
  EXPECT_EQ(Read(), 0);
  close(writer);
  EXPECT_EQ(OnlyBox(), "File: " + reader.Path + "\r\rError detected opening this disk file\r\rCode " +
                           std::to_string(EWOULDBLOCK));
}

TEST_F(GameFileReadTest, ADirectoryIsNotAGameDocument) {
  reader.Path = directory.path().string();
  EXPECT_EQ(Read(), 0);
  EXPECT_EQ(OnlyBox(), "File: " + reader.Path + "\r\rError detected opening this disk file\r\rCode " +
                           std::to_string(EISDIR));
}
