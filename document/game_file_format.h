#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/game_state.h"
#include "engine/quadrant_grid.h"
#include "engine/scan_log.h"

// A game document: header, game record, quadrant grid and scan log, back to
// back, little-endian, 9472 bytes.
inline constexpr std::size_t HeaderSize = 256;
inline constexpr std::size_t RecordSize = 36;
inline constexpr std::size_t GridSize = 3 * QuadrantCount * 4;
inline constexpr std::size_t LogSize = SectorCount * 4 * 4;
inline constexpr std::size_t GameFileSize = HeaderSize + RecordSize + GridSize + LogSize;
static_assert(GameFileSize == 9472);

inline constexpr std::uint32_t GameFileSignature = 0xABADDEED;
inline constexpr std::uint16_t GameFileMajorVersion = 2;
inline constexpr std::uint16_t GameFileMinorVersion = 2;

using HeaderBytes = std::array<std::uint8_t, HeaderSize>;
using RecordBytes = std::array<std::uint8_t, RecordSize>;
using GridBytes = std::array<std::uint8_t, GridSize>;
using LogBytes = std::array<std::uint8_t, LogSize>;

// The part of the game state a document keeps. Fuel comes before missiles.
struct GameRecord {
  std::int32_t EnemyShips;
  std::int32_t ShipsDestroyed;
  std::int32_t Z;
  std::int32_t Y;
  std::int32_t X;
  std::int32_t ScanAxis;
  std::int32_t Difficulty;
  std::int32_t Fuel;
  std::int32_t Missiles;
};

// Fills a zeroed header: signature, version, banner and notice.
void BuildHeader(HeaderBytes& header);
std::uint32_t HeaderSignature(const HeaderBytes& header);
std::uint16_t HeaderMajorVersion(const HeaderBytes& header);
std::uint16_t HeaderMinorVersion(const HeaderBytes& header);

GameRecord RecordOf(const GameState& state);
void EncodeRecord(const GameRecord& record, RecordBytes& bytes);
GameRecord DecodeRecord(const RecordBytes& bytes);

// Puts the record into the state; the gauges' maxima follow from its difficulty.
void ApplyRecord(const GameRecord& record, GameState& state);

void EncodeGrid(const QuadrantGrid& grid, GridBytes& bytes);
void DecodeGrid(const GridBytes& bytes, QuadrantGrid& grid);
void EncodeLog(const ScanLog& log, LogBytes& bytes);
void DecodeLog(const LogBytes& bytes, ScanLog& log);
