#include "engine/globals.h"

GameState Game;
QuadrantGrid Grid;
ScanLog Scans;

int PictureIndex = 0;
int Diagnostics = 0;
int SelectedSystem = 0;
int ScannerTracing = 0;
