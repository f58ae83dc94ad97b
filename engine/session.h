#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "engine/game_state.h"
#include "engine/outcome.h"
#include "engine/quadrant_grid.h"
#include "engine/random.h"
#include "engine/scan_log.h"

namespace kestravane {

// What the scanner area shows in place of the sector grid.
enum class ScannerPicture {
  None = 0,  // the sector grid
  Rules,
  Keys,
  Mission,
  Victory,
  Defeat,
};

// The gauge the arrow keys adjust in diagnostics.
enum class DiagnosticsSystem { None = 0, Missiles, Fuel };

// Where a finished game stands among the best victories of its difficulty.
struct ResultPlace {
  enum class Kind {
    Ranked,      // among the ten best, at `rank`
    Assisted,    // helped: it never ranks
    Lost,        // only victories rank
    Outside,     // won, but ten better victories stand
    Unrecorded,  // the record does not hold it (it was cleared, or could not be written)
  };
  Kind kind = Kind::Unrecorded;
  std::size_t rank = 0;  // 1 for the best

  bool operator==(const ResultPlace&) const = default;
};

// What the captain's record keeps of a game beyond its state. Documents keep
// it too, so that a game saved and opened again is recorded whole, all but
// its place, which the record is asked for again.
struct GameHistory {
  std::optional<std::uint32_t> Universe;  // its universe's number, when known
  bool Assisted = false;                  // scanner tracing or a gauge set by hand helped: it never ranks
  bool Recorded = false;                  // its end is in the record already
  std::uint32_t MissilesFired = 0;
  std::uint32_t FuelUsed = 0;
  std::uint32_t SecondsPlayed = 0;
  // How the game first ended. From then on the figures above stand still, so
  // that the tour after a defeat, or shots after a victory, change nothing.
  std::optional<GameEnd> Ended;
  std::optional<ResultPlace> Place;

  bool operator==(const GameHistory&) const = default;
};

// One game of Kestravane and everything the rules look at while it is
// played. The program holds one; tests may hold as many as they like.
struct Session {
  GameState State;
  QuadrantGrid Grid{};
  ScanLog Log{};
  bool InProgress = false;  // a game is open
  ScannerPicture Picture = ScannerPicture::None;
  bool Diagnostics = false;  // the gauges can be adjusted by hand
  DiagnosticsSystem SelectedSystem = DiagnosticsSystem::None;
  bool ScannerTracing = false;  // every live enemy ship shows; never saved
  RandomSource Random;
  GameHistory History;
};

// The scanner shows the sector: a game is open and no page stands in its
// place.
inline bool SectorShown(const Session& session) {
  return session.InProgress && session.Picture == ScannerPicture::None;
}

}  // namespace kestravane
