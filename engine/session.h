#pragma once

#include "engine/game_state.h"
#include "engine/quadrant_grid.h"
#include "engine/random.h"
#include "engine/scan_log.h"

// What the scanner area shows in place of the sector grid.
enum ScannerPicture : int {
  NoPicture = 0,  // the sector grid
  RulesPicture = 1,
  KeysPicture = 2,
  MissionPicture = 3,
  VictoryPicture = 4,
  DefeatPicture = 5,
};

// The gauge the arrow keys adjust in diagnostics.
enum DiagnosticsSystem : int {
  NoSystem = 0,
  MissileSystem = 1,
  FuelSystem = 2,
};

// One game of Kestravane and everything the rules look at while it is
// played. The program holds one; tests may hold as many as they like.
struct Session {
  GameState State;
  QuadrantGrid Grid{};
  ScanLog Log{};
  bool InProgress = false;  // a game is open
  int Picture = NoPicture;
  bool Diagnostics = false;  // the gauges can be adjusted by hand
  int SelectedSystem = NoSystem;
  bool ScannerTracing = false;  // every live enemy ship shows; never saved
  RandomSource Random;
};
