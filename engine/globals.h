#pragma once

#include "engine/game_state.h"
#include "engine/quadrant_grid.h"
#include "engine/scan_log.h"

// The game records, one instance each, zeroed at program start.
extern GameState Game;
extern QuadrantGrid Grid;
extern ScanLog Scans;

// What the scanner area shows: 0 the sector grid; 1..3 the help pages on the
// rules, the keys and the mission; 4 victory; 5 defeat.
extern int PictureIndex;
// Diagnostics mode (key D) and the gauge it adjusts: 0 none, 1 missiles, 2 fuel.
extern int Diagnostics;
extern int SelectedSystem;
// Shows every live enemy ship on the scanner. Never saved.
extern int ScannerTracing;
