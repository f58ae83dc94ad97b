#include "document/game_file_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <variant>

#include "document/byte_order.h"
#include "engine/sector.h"
#include "game_fixture.h"

using namespace kestravane;

namespace {

enum RecordField { EnemyShips, ShipsDestroyed, FieldZ, FieldY, FieldX, FieldAxis, FieldLevel, Fuel, Missiles };

// A saved game decoded again.
class GameFileFormatTest : public GameFileTest {
 protected:
  GameFileBytes saved{};

  void SetUp() override {
    GameFileTest::SetUp();
    saved = EncodeGameFile(session);
  }

  std::vector<std::uint8_t> Saved() const { return {saved.begin(), saved.end()}; }

  // The saved document with 32-bit values written at byte offsets. Edited
  // in the fixed-size copy: GCC's bounds checks at -O3 cannot follow a
  // vector's size and would warn about the writes.
  std::vector<std::uint8_t> With(std::initializer_list<std::pair<std::size_t, std::int32_t>> values) const {
    GameFileBytes bytes = saved;
    for (const auto& [offset, value] : values) PutI32(&bytes[offset], value);
    return {bytes.begin(), bytes.end()};
  }

  std::vector<std::uint8_t> WithRecordField(int field, std::int32_t value) const {
    return With({{256 + 4 * field, value}});
  }

  std::vector<std::uint8_t> WithSupplies(std::int32_t difficulty, std::int32_t fuel, std::int32_t missiles) const {
    return With({{256 + 4 * FieldLevel, difficulty}, {256 + 4 * Fuel, fuel}, {256 + 4 * Missiles, missiles}});
  }

  static DocumentFault FaultOf(const std::vector<std::uint8_t>& bytes) {
    const auto decoded = DecodeGameFile(bytes);
    EXPECT_TRUE(std::holds_alternative<DocumentFault>(decoded));
    return std::holds_alternative<DocumentFault>(decoded) ? std::get<DocumentFault>(decoded)
                                                          : DocumentFault{DocumentFault::Kind::Foreign};
  }

  static bool DamagedIn(const std::vector<std::uint8_t>& bytes, DocumentBlock block) {
    const DocumentFault fault = FaultOf(bytes);
    return fault.kind == DocumentFault::Kind::Damaged && fault.block == block;
  }
};

}  // namespace

TEST_F(GameFileFormatTest, LaysOutHeaderRecordGridAndLogLittleEndian) {
  const unsigned char start[] = {0xED, 0xDE, 0xAD, 0xAB, 0x02, 0x00, 0x02, 0x00, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::memcmp(saved.data(), start, sizeof start), 0);
  EXPECT_STREQ(reinterpret_cast<const char*>(&saved[16]), "Kestravane v2.2 for Microsoft Windows 95/NT");
  const auto* notice = reinterpret_cast<const char*>(&saved[136]);
  EXPECT_GT(std::strlen(notice), 0u);
  EXPECT_LE(std::strlen(notice), 119u);
  EXPECT_EQ(saved[255], 0);

  EXPECT_EQ(GetI32(&saved[256]), 60);          // enemy ships
  EXPECT_EQ(GetI32(&saved[256 + 4]), 2);       // destroyed
  EXPECT_EQ(GetI32(&saved[256 + 8]), 5);       // Z, Y, X
  EXPECT_EQ(GetI32(&saved[256 + 16]), 7);
  EXPECT_EQ(GetI32(&saved[256 + 20]), 2);      // scan axis X
  EXPECT_EQ(GetI32(&saved[256 + 24]), 3);      // difficulty
  EXPECT_EQ(GetI32(&saved[256 + 28]), 149);    // fuel before missiles
  EXPECT_EQ(GetI32(&saved[256 + 32]), 351);
  EXPECT_EQ(GetI32(&saved[292 + 4 * 100]), session.Grid.StarIcon[100]);
  const Quadrant miss = QuadrantsWhere(session.Grid, false).front();
  EXPECT_EQ(GetI32(&saved[292 + 2916 + 4 * QuadrantIndex(miss.Z, miss.Y, miss.X)]), 1);
  EXPECT_EQ(GetI32(&saved[292 + 5832 + 4 * 728]), session.Grid.Enemy[728]);
  const SectorScan& scanned = session.Log.Sector[25];  // the X sector at X = 7
  EXPECT_EQ(GetI32(&saved[9040 + 25 * 16]), 1);
  EXPECT_EQ(GetI32(&saved[9040 + 25 * 16 + 4]), scanned.Ships);
  EXPECT_EQ(GetI32(&saved[9040 + 25 * 16 + 8]), 2);
  EXPECT_EQ(GetI32(&saved[9040 + 25 * 16 + 12]), scanned.Ships - 2);
}

TEST_F(GameFileFormatTest, NegativeValuesAreStoredAsTheirTwosComplement) {
  session.Log.Sector[0].Remaining = -2;
  const GameFileBytes bytes = EncodeGameFile(session);
  const unsigned char expected[] = {0xFE, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(std::memcmp(&bytes[9040 + 12], expected, 4), 0);
}

TEST_F(GameFileFormatTest, DecodingGivesBackTheGameExactly) {
  GameFileBytes edited = saved;
  std::fill_n(edited.begin() + 16, 240, 'x');  // the texts and the minor version are not read
  edited[6] = 9;
  std::vector<std::uint8_t> bytes(edited.begin(), edited.end());
  bytes.resize(20000, 0xEE);  // nor anything after the scan log
  const auto decoded = DecodeGameFile(bytes);
  ASSERT_TRUE(std::holds_alternative<LoadedGame>(decoded));

  Session loaded;
  loaded.State.Z = 6;
  ApplyLoadedGame(std::get<LoadedGame>(decoded), loaded);
  EXPECT_EQ(loaded.State.EnemyShips, 60);
  EXPECT_EQ(loaded.State.ShipsDestroyed, 2);
  EXPECT_EQ(loaded.State.Z, 5);
  EXPECT_EQ(loaded.State.Y, 1);
  EXPECT_EQ(loaded.State.X, 7);
  EXPECT_EQ(loaded.State.Axis, ScanAxis::X);
  EXPECT_EQ(loaded.State.Difficulty, Difficulty::Easy);
  EXPECT_EQ(loaded.State.Fuel.Value, 149);
  EXPECT_EQ(loaded.State.Missiles.Value, 351);
  EXPECT_EQ(loaded.State.Fuel.Maximum, 150);
  EXPECT_EQ(loaded.State.Missiles.Maximum, 360);
  EXPECT_EQ(std::memcmp(&loaded.Grid, &session.Grid, sizeof session.Grid), 0);
  EXPECT_EQ(std::memcmp(&loaded.Log, &session.Log, sizeof session.Log), 0);
}

TEST_F(GameFileFormatTest, ATruncatedDocumentNamesTheBlockThatIsShort) {
  const auto bytes = Saved();
  EXPECT_EQ(FaultOf({bytes.begin(), bytes.begin() + 255}).kind, DocumentFault::Kind::ShortHeader);
  const struct {
    long length;
    DocumentBlock block;
  } cuts[] = {{256, DocumentBlock::Game},      {291, DocumentBlock::Game},     {292, DocumentBlock::Quadrant},
              {9039, DocumentBlock::Quadrant}, {9040, DocumentBlock::Scanner}, {9471, DocumentBlock::Scanner}};
  for (const auto& cut : cuts)
    EXPECT_TRUE(DamagedIn({bytes.begin(), bytes.begin() + cut.length}, cut.block)) << cut.length << " bytes";
}

TEST_F(GameFileFormatTest, AForeignDocumentIsRefusedBeforeItsVersionIsLookedAt) {
  auto bytes = Saved();
  bytes[4] = 1;
  bytes[6] = 5;
  const DocumentFault old = FaultOf(bytes);
  EXPECT_EQ(old.kind, DocumentFault::Kind::OldVersion);
  EXPECT_EQ(old.majorVersion, 1);
  EXPECT_EQ(old.minorVersion, 5);
  bytes[0] = 0xEE;
  EXPECT_EQ(FaultOf(bytes).kind, DocumentFault::Kind::Foreign);
}

TEST_F(GameFileFormatTest, ARecordTheEngineCannotPlayIsADamagedGameBlock) {
  const struct {
    int field;
    std::int32_t value;
  } bad[] = {{FieldZ, 9},      {FieldY, -1},        {FieldX, 100},       {FieldAxis, 3},   {FieldAxis, -1},
             {FieldLevel, 0},  {FieldLevel, 4},     {EnemyShips, -1},    {EnemyShips, 730},
             {ShipsDestroyed, -1}, {ShipsDestroyed, 61}};
  for (const auto& [field, value] : bad)
    EXPECT_TRUE(DamagedIn(WithRecordField(field, value), DocumentBlock::Game)) << field << " = " << value;
}

// The player may change the level in the middle of a game, which keeps the
// supplies it has: a game lowered from Easy to Hard holds more than Hard gives.
TEST_F(GameFileFormatTest, EachGaugeReachesToItsLevelsSupplyOrToWhatTheGameHolds) {
  const struct {
    const char* what;
    std::int32_t difficulty, fuel, missiles, fuelMaximum, missilesMaximum;
  } games[] = {
      {"Easy lowered to Hard", 1, 140, 350, 140, 350},
      {"only the missiles beyond Hard's", 1, 20, 350, 50, 350},
      {"only the fuel beyond Hard's", 1, 140, 100, 140, 120},
      {"within Hard's", 1, 20, 100, 50, 120},
      {"Hard's full supplies", 1, 50, 120, 50, 120},
      {"Easy's full supplies on Normal", 2, 150, 360, 150, 360},
      {"nothing left on Normal", 2, 0, 0, 100, 240},
  };
  for (const auto& game : games) {
    const auto bytes = WithSupplies(game.difficulty, game.fuel, game.missiles);
    const auto decoded = DecodeGameFile(bytes);
    ASSERT_TRUE(std::holds_alternative<LoadedGame>(decoded)) << game.what;
    Session loaded;
    ApplyLoadedGame(std::get<LoadedGame>(decoded), loaded);
    EXPECT_EQ(static_cast<std::int32_t>(loaded.State.Difficulty), game.difficulty) << game.what;
    EXPECT_EQ(loaded.State.Fuel.Value, game.fuel) << game.what;
    EXPECT_EQ(loaded.State.Missiles.Value, game.missiles) << game.what;
    EXPECT_EQ(loaded.State.Fuel.Maximum, game.fuelMaximum) << game.what;
    EXPECT_EQ(loaded.State.Missiles.Maximum, game.missilesMaximum) << game.what;
    const GameFileBytes again = EncodeGameFile(loaded);
    EXPECT_TRUE(std::equal(again.begin(), again.end(), bytes.begin(), bytes.end())) << game.what;
  }
}

TEST_F(GameFileFormatTest, SuppliesBeyondEasysOrBelowZeroAreADamagedGameBlockAtEveryLevel) {
  for (const std::int32_t difficulty : {1, 2, 3}) {
    EXPECT_TRUE(std::holds_alternative<LoadedGame>(DecodeGameFile(WithSupplies(difficulty, 150, 360))))
        << "Easy's full supplies at level " << difficulty;
    for (const auto& [fuel, missiles] : {std::pair{151, 360}, {150, 361}, {-1, 0}, {0, -1}})
      EXPECT_TRUE(DamagedIn(WithSupplies(difficulty, fuel, missiles), DocumentBlock::Game))
          << fuel << " fuel and " << missiles << " missiles at level " << difficulty;
  }
}

TEST_F(GameFileFormatTest, AStarFieldOutsideTheSetIsADamagedQuadrantBlock) {
  for (const std::int32_t icon : {10000, 10201, 0})
    EXPECT_TRUE(DamagedIn(With({{292 + 4 * 728, icon}}), DocumentBlock::Quadrant)) << icon;
}

TEST_F(GameFileFormatTest, EveryGameThePlayerCanSaveDecodes) {
  for (const unsigned seed : {1u, 77u, 65535u}) {
    Session game;
    game.Random.Seed(seed);
    game.State.Difficulty = Difficulty::Normal;
    GenerateGame(game);
    // The scanner looks at every sector once, then every quadrant is struck
    // in turn until the game is won; any save on the way must open again.
    for (const ScanAxis axis : {ScanAxis::Z, ScanAxis::Y, ScanAxis::X}) {
      for (int coordinate = 0; coordinate < AxisLength; ++coordinate) {
        game.State.Axis = axis;
        game.State.Z = game.State.Y = game.State.X = coordinate;
        RecordSectorScan(game.Grid, game.State, game.Log);
      }
    }
    for (int cell = 0; cell < QuadrantCount; ++cell) {
      Strike(game, {cell / 81, cell / 9 % 9, cell % 9});
      if (cell % 40 == 0) RecordSectorScan(game.Grid, game.State, game.Log);
      const GameFileBytes bytes = EncodeGameFile(game);
      ASSERT_TRUE(std::holds_alternative<LoadedGame>(DecodeGameFile(bytes))) << "seed " << seed << ", " << cell;
    }
    EXPECT_EQ(game.State.ShipsDestroyed, 60);
  }
}

TEST_F(GameFileFormatTest, CountsThatDisagreeWithTheGridAreADamagedGameBlock) {
  const struct {
    int field;
    std::int32_t value;
  } bad[] = {{EnemyShips, 729}, {EnemyShips, 59}, {EnemyShips, 0}, {ShipsDestroyed, 60},
             {ShipsDestroyed, 0}, {ShipsDestroyed, 3}};
  for (const auto& [field, value] : bad)
    EXPECT_TRUE(DamagedIn(WithRecordField(field, value), DocumentBlock::Game)) << field << " = " << value;
}

TEST_F(GameFileFormatTest, AGridNoGameCanHoldIsADamagedQuadrantBlock) {
  constexpr std::size_t Struck = 292 + 2916;
  constexpr std::size_t Enemy = 292 + 5832;
  const Quadrant ship = QuadrantsWhere(session.Grid, true).back();
  const Quadrant space = QuadrantsWhere(session.Grid, false).back();
  const std::size_t shipCell = 4 * QuadrantIndex(ship.Z, ship.Y, ship.X);
  const std::size_t spaceCell = 4 * QuadrantIndex(space.Z, space.Y, space.X);
  const struct {
    const char* what;
    std::size_t offset;
    std::int32_t value;
  } bad[] = {{"a ship too many", Enemy + spaceCell, 1}, {"a ship too few", Enemy + shipCell, 0},
             {"an enemy marked 2", Enemy + shipCell, 2}, {"a struck mark of 2", Struck + spaceCell, 2},
             {"a struck mark of -1", Struck + spaceCell, -1}};
  for (const auto& [what, offset, value] : bad)
    EXPECT_TRUE(DamagedIn(With({{offset, value}}), DocumentBlock::Quadrant)) << what;

  auto empty = Saved();
  std::fill(empty.begin() + Enemy, empty.begin() + Enemy + 2916, 0);
  EXPECT_TRUE(DamagedIn(empty, DocumentBlock::Quadrant)) << "no enemy at all";
}

TEST_F(GameFileFormatTest, AScanLogThatDisagreesWithTheGridIsADamagedScannerBlock) {
  enum { Scanned, Ships, Destroyed, Remaining };
  const struct {
    const char* what;
    int entry;
    int field;
    std::int32_t value;
  } bad[] = {{"a ship more than the sector holds", 25, Ships, session.Log.Sector[25].Ships + 1},
             {"a kill forgotten", 25, Destroyed, 1},
             {"remaining ships miscounted", 25, Remaining, 0},
             {"a scanned mark of 2", 25, Scanned, 2},
             {"a report of a sector never scanned", 25, Scanned, 0},
             {"ships in a sector never scanned", 3, Ships, 1}};
  ASSERT_EQ(session.Log.Sector[3].Scanned, 0);
  for (const auto& [what, entry, field, value] : bad)
    EXPECT_TRUE(DamagedIn(With({{9040 + 16 * entry + 4 * field, value}}), DocumentBlock::Scanner)) << what;
}

TEST(DocumentFaultMessage, EachFaultHasTheGamesOwnWarning) {
  const std::string path = "/games/a.war";
  EXPECT_EQ(FaultMessage({DocumentFault::Kind::ShortHeader}, path, 0),
            MakeMessage(Text::HeaderReadFailed, path, 0));
  EXPECT_EQ(FaultMessage({DocumentFault::Kind::Foreign}, path, 0),
            MakeMessage(Text::ForeignDocument, path, "Kestravane"));
  EXPECT_EQ(FaultMessage({DocumentFault::Kind::OldVersion, DocumentBlock::Game, 1, 5}, path, 0),
            MakeMessage(Text::OldVersion, path, 1, 5));
  EXPECT_EQ(FaultMessage({DocumentFault::Kind::Damaged, DocumentBlock::Scanner}, path, 5),
            MakeMessage(Text::BlockReadFailed, path, "scanner", 5));
}
