#include "document/game_file_format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <variant>

#include "common/file_contents.h"
#include "document/byte_order.h"
#include "engine/generation.h"
#include "engine/weapons.h"

using namespace kestravane;

namespace {

// Where the parts of a document start, and the game record's fields in order.
constexpr std::size_t Record = 256, Stars = 292, Struck = 292 + 2916, Enemy = 292 + 5832, Log = 9040;
enum Field { Ships, Destroyed, Z, Y, X, Axis, Level, Fuel, Missiles };
constexpr std::size_t At(Field field) { return Record + 4 * field; }

using Kind = DocumentFault::Kind;
using Edits = std::vector<std::pair<std::size_t, std::int32_t>>;

// A missile landing on quadrant `index`, with all its bookkeeping, without moving the ship there.
void Strike(Session& session, int index) {
  const Quadrant q{index / 81, index / 9 % 9, index % 9};
  StrikeTarget(session, {q, CellOf(session.State, q)});
}

// A game with some play in it, saved: the scanner has looked along X at X = 7, two ships were destroyed there and one
// missile went into empty space; then the player lowered the level from Easy to Hard, which keeps the supplies.
class GameFileFormatTest : public ::testing::Test {
 protected:
  Session session;
  GameState& state = session.State;
  GameFileBytes saved{};
  int space = 0;  // the first quadrant without a ship, struck

  void SetUp() override {
    session.Random.Seed(4242);
    state.Difficulty = Difficulty::Easy;
    GenerateGame(session);
    std::tie(state.Z, state.Y, state.X, state.Axis) = std::tuple(5, 1, 7, ScanAxis::X);
    RecordSectorScan(session.Grid, state, session.Log);
    for (int i = 7, kills = 0; kills < 2; i += 9) {
      if (session.Grid.Enemy[i]) Strike(session, i);
      kills += session.Grid.Enemy[i];
    }
    while (session.Grid.Enemy[space]) ++space;
    Strike(session, space);
    std::tie(state.Fuel.Value, state.Missiles.Value, state.Difficulty) = std::tuple(149, 351, Difficulty::Hard);
    saved = EncodeGameFile(session);
  }

  std::vector<std::uint8_t> With(const Edits& edits) const {
    GameFileBytes bytes = saved;
    for (const auto& [offset, value] : edits) PutI32(&bytes[offset], value);
    return {bytes.begin(), bytes.end()};
  }

  // Throws, and so fails the test, when the document was accepted.
  static auto FaultOf(std::span<const std::uint8_t> bytes) { return std::get<DocumentFault>(DecodeGameFile(bytes)); }
};

}  // namespace

// Recorded once and read by hand against the format: header, record, grid and scan log, little-endian.
TEST_F(GameFileFormatTest, TheSavedBytesAreTheRecordedDocument) {
  const std::string bytes(saved.begin(), saved.end());
  if (std::getenv("KESTRAVANE_UPDATE_GOLDEN")) StoreFile(KESTRAVANE_SAVED_GAME, bytes);
  const std::string recorded = FileContents(KESTRAVANE_SAVED_GAME);
  ASSERT_EQ(recorded.size(), bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) ASSERT_EQ(recorded[i], bytes[i]) << "byte " << i;
}

TEST_F(GameFileFormatTest, EveryGameSavedReadsBackWithGaugesReachingToItsLevelOrToWhatItHolds) {
  const std::int32_t games[][5] = {{1, 149, 351, 149, 351}, {1, 20, 350, 50, 350},   {1, 140, 100, 140, 120},
                                   {1, 50, 120, 50, 120},   {2, 150, 360, 150, 360}, {2, 0, 0, 100, 240},
                                   {3, 150, 360, 150, 360}, {3, 20, 100, 150, 360}};
  for (const auto& [level, fuel, missiles, fuelMaximum, missilesMaximum] : games) {
    auto bytes = With({{At(Level), level}, {At(Fuel), fuel}, {At(Missiles), missiles}});
    std::fill_n(bytes.begin() + 6, 250, 'x');  // the minor version and the texts are not read,
    bytes.resize(20000, 0xEE);                 // nor anything after the scan log
    const auto decoded = DecodeGameFile(bytes);
    ASSERT_TRUE(std::holds_alternative<LoadedGame>(decoded)) << fuel << " " << missiles;
    Session loaded;
    loaded.State.Z = 6;
    ApplyLoadedGame(std::get<LoadedGame>(decoded), loaded);
    EXPECT_EQ(std::pair(loaded.State.Fuel.Maximum, loaded.State.Missiles.Maximum),
              std::pair(fuelMaximum, missilesMaximum));
    const GameFileBytes again = EncodeGameFile(loaded);
    EXPECT_TRUE(std::equal(again.begin() + Record, again.end(), bytes.begin() + Record)) << fuel;
  }
  // Every sector scanned once, then every quadrant struck in turn: each save on the way must open again.
  for (const ScanAxis axis : {ScanAxis::Z, ScanAxis::Y, ScanAxis::X})
    for (int c = 0; c < AxisLength; ++c) RecordSectorScan(session.Grid, {c, c, c, axis, 0, 0, {}, {}, {}}, session.Log);
  for (int cell = 0; cell < QuadrantCount; ++cell) {
    Strike(session, cell);
    if (cell % 40 == 0) RecordSectorScan(session.Grid, state, session.Log);
    ASSERT_TRUE(std::holds_alternative<LoadedGame>(DecodeGameFile(EncodeGameFile(session)))) << cell;
  }
  EXPECT_EQ(state.ShipsDestroyed, 60);
}

TEST_F(GameFileFormatTest, AForeignOldOrDamagedDocumentIsRefusedAtItsFirstFaultWithTheGamesOwnWarning) {
  int ship = 0;
  while (!session.Grid.Enemy[ship]) ++ship;
  const std::size_t x7 = Log + 16 * 25, neverScanned = Log + 16 * 3;
  ASSERT_EQ(session.Log.Sector[3].Scanned, 0);
  const auto game = DocumentBlock::Game, grid = DocumentBlock::Quadrant, log = DocumentBlock::Scanner;
  const DocumentFault old = FaultOf(With({{4, 0x00050001}}));
  EXPECT_EQ(std::tuple(old.kind, old.majorVersion, old.minorVersion), std::tuple(Kind::OldVersion, 1, 5));
  EXPECT_EQ(FaultOf(With({{0, 0}, {4, 0x00050001}})).kind, Kind::Foreign) << "before its version is looked at";
  // Past each field's range or out of step with the rest; 61 ships in the grid, 59; in sector X 7 a ship too many,
  // a kill forgotten, remaining wrong, scanned 2 or 0; ships in a sector never scanned.
  const std::tuple<DocumentBlock, std::size_t, std::vector<std::int32_t>> damaged[] = {
      {game, At(Z), {9, -1}}, {game, At(Y), {9, -1}}, {game, At(X), {9, -1}}, {game, At(Axis), {3, -1}},
      {game, At(Level), {0, 4}}, {game, At(Fuel), {151, -1}}, {game, At(Missiles), {361, -1}},
      {game, At(Ships), {-1, 730, 729, 59}}, {game, At(Destroyed), {-1, 61, 3, 0}},
      {grid, Enemy + 4 * space, {1}}, {grid, Enemy + 4 * ship, {0}},
      {log, x7 + 4, {session.Log.Sector[25].Ships + 1}}, {log, x7 + 8, {1}}, {log, x7 + 12, {0}}, {log, x7, {2, 0}},
      {log, neverScanned + 4, {1}}};
  for (const auto& [block, at, values] : damaged)
    for (const std::int32_t value : values) {
      const DocumentFault fault = FaultOf(With({{at, value}}));
      EXPECT_EQ(std::pair(fault.kind, fault.block), std::pair(Kind::Damaged, block)) << at << " = " << value;
    }
  EXPECT_EQ(FaultOf({saved.data(), HeaderSize - 1}).kind, Kind::ShortHeader);
  const std::string path = "/games/a.war";
  EXPECT_EQ(FaultMessage({Kind::ShortHeader}, path, 0), MakeMessage(Text::HeaderReadFailed, path, 0));
  EXPECT_EQ(FaultMessage({Kind::OldVersion, game, 1, 5}, path, 0), MakeMessage(Text::OldVersion, path, 1, 5));
  EXPECT_EQ(FaultMessage({Kind::Damaged, game}, path, 5), MakeMessage(Text::BlockReadFailed, path, Text::GameBlock, 5));
}

// Every entry of the grid's tables and of the scan log is checked, just past
// either end of its range; a star field may be any of the 200.
TEST_F(GameFileFormatTest, EveryEntryOfTheTablesIsRefusedPastTheEndsOfItsRange) {
  const std::tuple<std::size_t, std::size_t, int, std::int32_t, std::int32_t, DocumentBlock> tables[] = {
      {Stars, 4, QuadrantCount, 10001, 10200, DocumentBlock::Quadrant},
      {Struck, 4, QuadrantCount, 0, 1, DocumentBlock::Quadrant},
      {Enemy, 4, QuadrantCount, 0, 1, DocumentBlock::Quadrant},
      {Log, 16, SectorCount, 0, 1, DocumentBlock::Scanner}};  // whether the sector was scanned
  for (const auto& [start, stride, entries, lowest, highest, block] : tables)
    for (std::size_t at = start; at < start + stride * entries; at += stride)
      for (const std::int32_t value : {lowest - 1, highest + 1})
        ASSERT_EQ(FaultOf(With({{at, value}})).block, block) << at << " = " << value;
  for (int cell = 0; cell < QuadrantCount; ++cell)
    for (const std::int32_t icon : {10001, 10200})
      ASSERT_TRUE(std::holds_alternative<LoadedGame>(DecodeGameFile(With({{Stars + 4 * cell, icon}})))) << cell;
}

