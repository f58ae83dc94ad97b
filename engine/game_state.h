#pragma once

#include <cstdint>

#include "engine/gauge.h"

enum ScanAxisValue : std::int32_t { ScanZ = 0, ScanY = 1, ScanX = 2 };

// The live game: where the ship is (which is also the missile target), which
// way the scanner looks, the enemy counts, the two resources and the
// difficulty.
struct GameState {
  std::int32_t Z = 0;
  std::int32_t Y = 0;
  std::int32_t X = 0;
  std::int32_t ScanAxis = ScanZ;
  std::int32_t EnemyShips = 0;
  std::int32_t ShipsDestroyed = 0;
  Gauge Missiles;
  Gauge Fuel;
  std::int32_t Difficulty = 0;  // 3 Easy, 2 Normal, 1 Hard
};
