#include "document/game_file_format.h"

#include <algorithm>
#include <cstring>

#include "document/byte_order.h"
#include "document/record_check.h"
#include "engine/generation.h"

namespace kestravane {

namespace {

constexpr std::size_t BannerOffset = 16;
constexpr std::size_t NoticeOffset = 136;
constexpr const char* Banner = "Kestravane v2.2 for Microsoft Windows 95/NT";
constexpr const char* Notice = "A Kestravane game in progress. Keep it safe, Commander.";

constexpr std::uint32_t HistoryTag = 0x54534948;  // "HIST"
// Assisted was set by older versions whenever diagnostics were on: such a game stays out of the ranking.
constexpr std::uint32_t UniverseKnown = 1, Assisted = 2, Recorded = 4;
// Older versions read past these flags: to them the game just goes on.
constexpr std::uint32_t Ended = 8, EndedWon = 16;

void EncodeHistory(const GameHistory& history, std::uint8_t* bytes) {
  const std::uint32_t flags = (history.Universe ? UniverseKnown : 0u) |
                              (history.Assisted ? Assisted : 0u) | (history.Recorded ? Recorded : 0u) |
                              (history.Ended ? Ended : 0u) | (history.Ended == GameEnd::Won ? EndedWon : 0u);
  const std::uint32_t fields[] = {HistoryTag,           flags,            history.Universe.value_or(0),
                                  history.MissilesFired, history.FuelUsed, history.SecondsPlayed};
  static_assert(HistoryOffset + sizeof(fields) == HeaderSize && SecondsPlayedOffset == HistoryOffset + 20);
  for (std::size_t i = 0; i < std::size(fields); ++i) PutU32(bytes + HistoryOffset + 4 * i, fields[i]);
}

GameHistory DecodeHistory(const std::uint8_t* bytes) {
  const auto field = [bytes](int i) { return GetU32(bytes + HistoryOffset + 4 * i); };
  if (field(0) != HistoryTag) return {};
  const std::uint32_t flags = field(1);
  GameHistory history;
  if (flags & UniverseKnown) history.Universe = field(2);
  history.Assisted = (flags & Assisted) != 0;
  history.Recorded = (flags & Recorded) != 0;
  if (flags & Ended) history.Ended = (flags & EndedWon) ? GameEnd::Won : GameEnd::Lost;
  history.MissilesFired = field(3);
  history.FuelUsed = field(4);
  history.SecondsPlayed = field(5);
  return history;
}

// The record's fields in file order.
constexpr std::int32_t GameRecord::*RecordFields[] = {
    &GameRecord::EnemyShips, &GameRecord::ShipsDestroyed, &GameRecord::Z,
    &GameRecord::Y,          &GameRecord::X,              &GameRecord::ScanAxis,
    &GameRecord::Difficulty, &GameRecord::Fuel,           &GameRecord::Missiles,
};
static_assert(std::size(RecordFields) * 4 == RecordSize);

void EncodeInts(const std::int32_t* values, std::size_t count, std::uint8_t* bytes) {
  for (std::size_t i = 0; i < count; ++i) PutI32(bytes + 4 * i, values[i]);
}

void DecodeInts(const std::uint8_t* bytes, std::size_t count, std::int32_t* values) {
  for (std::size_t i = 0; i < count; ++i) values[i] = GetI32(bytes + 4 * i);
}

void EncodeHeader(std::uint8_t* header) {
  PutU32(header, GameFileSignature);
  PutU16(header + 4, GameFileMajorVersion);
  PutU16(header + 6, GameFileMinorVersion);
  std::memcpy(header + BannerOffset, Banner, std::strlen(Banner));
  std::memcpy(header + NoticeOffset, Notice, std::strlen(Notice));
}

void EncodeRecord(const GameRecord& record, std::uint8_t* bytes) {
  for (std::size_t i = 0; i < std::size(RecordFields); ++i) PutI32(bytes + 4 * i, record.*RecordFields[i]);
}

GameRecord DecodeRecord(const std::uint8_t* bytes) {
  GameRecord record{};
  for (std::size_t i = 0; i < std::size(RecordFields); ++i) record.*RecordFields[i] = GetI32(bytes + 4 * i);
  return record;
}

void EncodeGrid(const QuadrantGrid& grid, std::uint8_t* bytes) {
  EncodeInts(grid.StarIcon, QuadrantCount, bytes);
  EncodeInts(grid.Struck, QuadrantCount, bytes + QuadrantCount * 4);
  EncodeInts(grid.Enemy, QuadrantCount, bytes + 2 * QuadrantCount * 4);
}

void DecodeGrid(const std::uint8_t* bytes, QuadrantGrid& grid) {
  DecodeInts(bytes, QuadrantCount, grid.StarIcon);
  DecodeInts(bytes + QuadrantCount * 4, QuadrantCount, grid.Struck);
  DecodeInts(bytes + 2 * QuadrantCount * 4, QuadrantCount, grid.Enemy);
}

void EncodeLog(const ScanLog& log, std::uint8_t* bytes) {
  for (int i = 0; i < SectorCount; ++i) {
    const SectorScan& scan = log.Sector[i];
    const std::int32_t fields[] = {scan.Scanned, scan.Ships, scan.Destroyed, scan.Remaining};
    EncodeInts(fields, 4, bytes + 16 * i);
  }
}

void DecodeLog(const std::uint8_t* bytes, ScanLog& log) {
  for (int i = 0; i < SectorCount; ++i) {
    std::int32_t fields[4];
    DecodeInts(bytes + 16 * i, 4, fields);
    log.Sector[i] = {fields[0], fields[1], fields[2], fields[3]};
  }
}

DocumentFault Damaged(DocumentBlock block) { return {DocumentFault::Kind::Damaged, block}; }

}  // namespace

std::size_t BlockOffset(DocumentBlock block) {
  switch (block) {
    case DocumentBlock::Game: return HeaderSize;
    case DocumentBlock::Quadrant: return HeaderSize + RecordSize;
    case DocumentBlock::Scanner: return HeaderSize + RecordSize + GridSize;
  }
  return GameFileSize;
}

std::size_t BlockSize(DocumentBlock block) {
  switch (block) {
    case DocumentBlock::Game: return RecordSize;
    case DocumentBlock::Quadrant: return GridSize;
    case DocumentBlock::Scanner: return LogSize;
  }
  return 0;
}

Text BlockName(DocumentBlock block) {
  switch (block) {
    case DocumentBlock::Quadrant: return Text::QuadrantBlock;
    case DocumentBlock::Scanner: return Text::ScannerBlock;
    case DocumentBlock::Game: break;
  }
  return Text::GameBlock;
}

GameFileBytes EncodeGameFile(const Session& session) {
  GameFileBytes bytes{};
  EncodeHeader(bytes.data());
  EncodeHistory(session.History, bytes.data());
  EncodeRecord(RecordOf(session.State), &bytes[BlockOffset(DocumentBlock::Game)]);
  EncodeGrid(session.Grid, &bytes[BlockOffset(DocumentBlock::Quadrant)]);
  EncodeLog(session.Log, &bytes[BlockOffset(DocumentBlock::Scanner)]);
  return bytes;
}

std::variant<LoadedGame, DocumentFault> DecodeGameFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < HeaderSize) return DocumentFault{DocumentFault::Kind::ShortHeader};
  if (GetU32(bytes.data()) != GameFileSignature) return DocumentFault{DocumentFault::Kind::Foreign};
  const int major = GetU16(&bytes[4]);
  if (major != GameFileMajorVersion)
    return DocumentFault{DocumentFault::Kind::OldVersion, DocumentBlock::Game, major, GetU16(&bytes[6])};

  const auto complete = [&](DocumentBlock block) {
    return bytes.size() >= BlockOffset(block) + BlockSize(block);
  };
  LoadedGame game;
  game.History = DecodeHistory(bytes.data());
  if (!complete(DocumentBlock::Game)) return Damaged(DocumentBlock::Game);
  game.Record = DecodeRecord(&bytes[BlockOffset(DocumentBlock::Game)]);
  if (!RecordPlayable(game.Record)) return Damaged(DocumentBlock::Game);
  if (!complete(DocumentBlock::Quadrant)) return Damaged(DocumentBlock::Quadrant);
  DecodeGrid(&bytes[BlockOffset(DocumentBlock::Quadrant)], game.Grid);
  if (!StarFieldsPlayable(game.Grid) || !MarksPlayable(game.Grid)) return Damaged(DocumentBlock::Quadrant);
  if (!CountsMatchGrid(game.Record, game.Grid)) return Damaged(DocumentBlock::Game);
  if (!complete(DocumentBlock::Scanner)) return Damaged(DocumentBlock::Scanner);
  DecodeLog(&bytes[BlockOffset(DocumentBlock::Scanner)], game.Log);
  if (!ScanLogMatchesGrid(game.Log, game.Grid)) return Damaged(DocumentBlock::Scanner);
  return game;
}

Message FaultMessage(const DocumentFault& fault, const std::string& path, int readError) {
  switch (fault.kind) {
    case DocumentFault::Kind::ShortHeader:
      return MakeMessage(Text::HeaderReadFailed, path, readError);
    case DocumentFault::Kind::Foreign:
      return MakeMessage(Text::ForeignDocument, path, Text::ProgramName);
    case DocumentFault::Kind::OldVersion:
      return MakeMessage(Text::OldVersion, path, fault.majorVersion, fault.minorVersion);
    case DocumentFault::Kind::Damaged:
      break;
  }
  return MakeMessage(Text::BlockReadFailed, path, BlockName(fault.block), readError);
}

void ApplyLoadedGame(const LoadedGame& game, Session& session) {
  const GameRecord& record = game.Record;
  GameState& state = session.State;
  state.EnemyShips = record.EnemyShips;
  state.ShipsDestroyed = record.ShipsDestroyed;
  state.Z = record.Z;
  state.Y = record.Y;
  state.X = record.X;
  // Taken as they stand: the record was checked when it was read.
  state.Axis = static_cast<ScanAxis>(record.ScanAxis);
  state.Difficulty = static_cast<Difficulty>(record.Difficulty);
  state.Fuel.Value = record.Fuel;
  state.Missiles.Value = record.Missiles;
  // A game whose level was lowered in play holds more than its level gives:
  // its gauge then reaches to what it holds, so the bar stays inside its
  // frame and the missiles fired never count below zero.
  state.Missiles.Maximum = std::max(MissilesFor(state.Difficulty), record.Missiles);
  state.Fuel.Maximum = std::max(FuelFor(state.Difficulty), record.Fuel);
  session.Grid = game.Grid;
  session.Log = game.Log;
  session.History = game.History;
}

GameRecord RecordOf(const GameState& state) {
  // The scan axis and the level go into the file as the game numbers them.
  return {state.EnemyShips, state.ShipsDestroyed, state.Z, state.Y, state.X, static_cast<std::int32_t>(state.Axis),
          static_cast<std::int32_t>(state.Difficulty), state.Fuel.Value, state.Missiles.Value};
}

}  // namespace kestravane
