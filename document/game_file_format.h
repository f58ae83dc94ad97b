#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "engine/message.h"
#include "engine/quadrant_grid.h"
#include "engine/scan_log.h"
#include "engine/session.h"

namespace kestravane {

// A game document: header, game record, quadrant grid and scan log, back to
// back, little-endian, 9472 bytes. The header's last bytes, zero in older
// documents and read by no other version, keep the game's history.
inline constexpr std::size_t HeaderSize = 256;
inline constexpr std::size_t RecordSize = 36;
inline constexpr std::size_t GridSize = 3 * QuadrantCount * 4;
inline constexpr std::size_t LogSize = SectorCount * 4 * 4;
inline constexpr std::size_t GameFileSize = HeaderSize + RecordSize + GridSize + LogSize;
static_assert(GameFileSize == 9472);

// The history fills the header's last 24 bytes: the tag "HIST", flags, the
// universe's number, the missiles fired, the fuel used and, last, the
// seconds played.
inline constexpr std::size_t HistoryOffset = 232;
inline constexpr std::size_t SecondsPlayedOffset = HeaderSize - 4;

// A game document's file name ends in ".war".
inline constexpr char DocumentExtension[] = "war";

inline constexpr std::uint32_t GameFileSignature = 0xABADDEED;
inline constexpr std::uint16_t GameFileMajorVersion = 2;
inline constexpr std::uint16_t GameFileMinorVersion = 2;

using GameFileBytes = std::array<std::uint8_t, GameFileSize>;

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

// The blocks after the header, in file order.
enum class DocumentBlock { Game, Quadrant, Scanner };

// Where each part of a document starts.
std::size_t BlockOffset(DocumentBlock block);
std::size_t BlockSize(DocumentBlock block);
// The block's name in the game's messages: "game", "quadrant", "scanner".
Text BlockName(DocumentBlock block);

// The whole document for the session's game.
GameFileBytes EncodeGameFile(const Session& session);

// A document's content, checked and ready to become the session's game.
struct LoadedGame {
  GameRecord Record;
  QuadrantGrid Grid;
  ScanLog Log;
  GameHistory History;  // empty for a document without one
};

// Why a document cannot be played, in the order the checks are made.
struct DocumentFault {
  enum class Kind {
    ShortHeader,  // the file ends inside the header
    Foreign,      // the signature is not the game's
    OldVersion,   // made by another major version of the game
    Damaged,      // `block` is cut short or holds what no game can
  };
  Kind kind;
  DocumentBlock block = DocumentBlock::Game;
  int majorVersion = 0;
  int minorVersion = 0;
};

// Reads the document in `bytes` (bytes past the scan log are ignored).
std::variant<LoadedGame, DocumentFault> DecodeGameFile(std::span<const std::uint8_t> bytes);

// The warning the player sees for `fault` in the document at `path`;
// `readError` is the system's error number from reading it, 0 when the file
// simply ended.
Message FaultMessage(const DocumentFault& fault, const std::string& path, int readError);

// Puts a loaded game into the session. Each gauge's maximum is the supply of
// the game's difficulty, or what the game holds when that is more.
void ApplyLoadedGame(const LoadedGame& game, Session& session);

GameRecord RecordOf(const GameState& state);

}  // namespace kestravane
