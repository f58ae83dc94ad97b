#pragma once

#include <cstdint>

#include "engine/gauge.h"

namespace kestravane {

// Which way the scanner looks. The numbers are the ones a saved game holds.
enum class ScanAxis : std::int32_t { Z = 0, Y = 1, X = 2 };

// The level of play. The numbers are the ones a saved game and the settings
// hold; the easier the level, the more supplies.
enum class Difficulty : std::int32_t { Hard = 1, Normal = 2, Easy = 3 };

// The live game: where the ship is (which is also the missile target), which
// way the scanner looks, the enemy counts, the two resources and the
// difficulty.
struct GameState {
  std::int32_t Z = 0;
  std::int32_t Y = 0;
  std::int32_t X = 0;
  ScanAxis Axis = ScanAxis::Z;
  std::int32_t EnemyShips = 0;
  std::int32_t ShipsDestroyed = 0;
  Gauge Missiles;
  Gauge Fuel;
  // None until the player's level is put here, before a game is made.
  kestravane::Difficulty Difficulty{};
};

}  // namespace kestravane
