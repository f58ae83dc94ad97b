#include "document/game_file_format.h"

#include <cstring>

#include "document/byte_order.h"
#include "engine/generation.h"

namespace {

constexpr std::size_t BannerOffset = 16;
constexpr std::size_t NoticeOffset = 136;
constexpr const char* Banner = "Kestravane v2.2 for Microsoft Windows 95/NT";
constexpr const char* Notice = "A Kestravane game in progress. Keep it safe, Commander.";

// The record's fields in file order.
constexpr std::int32_t GameRecord::*RecordFields[] = {
    &GameRecord::EnemyShips, &GameRecord::ShipsDestroyed, &GameRecord::Z,
    &GameRecord::Y,          &GameRecord::X,              &GameRecord::ScanAxis,
    &GameRecord::Difficulty, &GameRecord::Fuel,           &GameRecord::Missiles,
};
static_assert(sizeof RecordFields / sizeof RecordFields[0] * 4 == RecordSize);

void EncodeInts(const std::int32_t* values, std::size_t count, std::uint8_t* bytes) {
  for (std::size_t i = 0; i < count; ++i) PutI32(bytes + 4 * i, values[i]);
}

void DecodeInts(const std::uint8_t* bytes, std::size_t count, std::int32_t* values) {
  for (std::size_t i = 0; i < count; ++i) values[i] = GetI32(bytes + 4 * i);
}

}  // namespace

void BuildHeader(HeaderBytes& header) {
  PutU32(&header[0], GameFileSignature);
  PutU16(&header[4], GameFileMajorVersion);
  PutU16(&header[6], GameFileMinorVersion);
  std::memcpy(&header[BannerOffset], Banner, std::strlen(Banner));
  std::memcpy(&header[NoticeOffset], Notice, std::strlen(Notice));
}

std::uint32_t HeaderSignature(const HeaderBytes& header) { return GetU32(&header[0]); }
std::uint16_t HeaderMajorVersion(const HeaderBytes& header) { return GetU16(&header[4]); }
std::uint16_t HeaderMinorVersion(const HeaderBytes& header) { return GetU16(&header[6]); }

GameRecord RecordOf(const GameState& state) {
  return {state.EnemyShips, state.ShipsDestroyed, state.Z,          state.Y,          state.X,
          state.ScanAxis,   state.Difficulty,     state.Fuel.Value, state.Missiles.Value};
}

void EncodeRecord(const GameRecord& record, RecordBytes& bytes) {
  for (std::size_t i = 0; i < std::size(RecordFields); ++i) PutI32(&bytes[4 * i], record.*RecordFields[i]);
}

GameRecord DecodeRecord(const RecordBytes& bytes) {
  GameRecord record{};
  for (std::size_t i = 0; i < std::size(RecordFields); ++i) record.*RecordFields[i] = GetI32(&bytes[4 * i]);
  return record;
}

void ApplyRecord(const GameRecord& record, GameState& state) {
  state.EnemyShips = record.EnemyShips;
  state.ShipsDestroyed = record.ShipsDestroyed;
  state.Z = record.Z;
  state.Y = record.Y;
  state.X = record.X;
  state.ScanAxis = record.ScanAxis;
  state.Difficulty = record.Difficulty;
  state.Fuel.Value = record.Fuel;
  state.Missiles.Value = record.Missiles;
  state.Missiles.Maximum = MissilesFor(record.Difficulty);
  state.Fuel.Maximum = FuelFor(record.Difficulty);
}

void EncodeGrid(const QuadrantGrid& grid, GridBytes& bytes) {
  EncodeInts(grid.StarIcon, QuadrantCount, &bytes[0]);
  EncodeInts(grid.Struck, QuadrantCount, &bytes[QuadrantCount * 4]);
  EncodeInts(grid.Enemy, QuadrantCount, &bytes[2 * QuadrantCount * 4]);
}

void DecodeGrid(const GridBytes& bytes, QuadrantGrid& grid) {
  DecodeInts(&bytes[0], QuadrantCount, grid.StarIcon);
  DecodeInts(&bytes[QuadrantCount * 4], QuadrantCount, grid.Struck);
  DecodeInts(&bytes[2 * QuadrantCount * 4], QuadrantCount, grid.Enemy);
}

void EncodeLog(const ScanLog& log, LogBytes& bytes) {
  for (int i = 0; i < SectorCount; ++i) {
    const SectorScan& scan = log.Sector[i];
    const std::int32_t fields[] = {scan.Scanned, scan.Ships, scan.Destroyed, scan.Remaining};
    EncodeInts(fields, 4, &bytes[16 * i]);
  }
}

void DecodeLog(const LogBytes& bytes, ScanLog& log) {
  for (int i = 0; i < SectorCount; ++i) {
    std::int32_t fields[4];
    DecodeInts(&bytes[16 * i], 4, fields);
    log.Sector[i] = {fields[0], fields[1], fields[2], fields[3]};
  }
}
