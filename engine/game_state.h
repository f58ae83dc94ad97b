#pragma once

#include <cstdint>

#include "engine/gauge.h"
#include "engine/rect.h"

enum ScanAxisValue : std::int32_t { ScanZ = 0, ScanY = 1, ScanX = 2 };

// The live game: where the ship is (which is also the missile target), which
// way the scanner looks, the enemy counts, the two resources, the difficulty,
// and where the main window's areas lie.
struct GameState {
  std::int32_t Z = 0;
  std::int32_t Y = 0;
  std::int32_t X = 0;
  std::int32_t ScanAxis = ScanZ;
  std::int32_t EnemyShips = 0;
  std::int32_t ShipsDestroyed = 0;
  Gauge Missiles;
  Gauge Fuel;
  Rect ScannerFrame;
  Rect ScannerArea;
  Rect StatusFrame;
  Rect WeaponsPanel;
  Rect WeaponsIcon;
  Rect EnginesPanel;
  Rect EnginesIcon;
  Rect ScannerPanel;
  Rect ScannerIcon;
  Rect QuadrantIcon;
  std::int32_t Difficulty = 0;  // 3 Easy, 2 Normal, 1 Hard
};
