#pragma once

#include "app/settings.h"
#include "platform/window.h"

// The main window's client area never changes size: everything in it has a
// fixed place.
inline constexpr int ClientWidth = 470;
inline constexpr int ClientHeight = 350;

// Lays out the main window as it is created: the areas of the game state,
// the two gauges and the 21 controls, then starts with no game open.
// Returns 1, or 0 after a warning box naming the control that could not be
// made.
int CreateChildWindows(platform::Window* window, const AppSettings* settings);

// The controls' IDs, for whoever sets their texts.
enum MainControl : int {
  StatusLineControl = 1003,
  AimButton = 5001,
  FireButton = 5002,
  ReverseButton = 5003,
  EngageButton = 5004,
  WeaponsTitle = 5020,
  WeaponsReadout = 5021,
  MissilesLabel = 5022,
  MissileCount = 5023,
  ScanLabel = 5030,
  EnginesTitle = 5040,
  EnginesReadout = 5041,
  FuelLabel = 5042,
  FuelCount = 5043,
  ScannerTitle = 5060,
  ScannerReadout = 5061,
  SectorShipsFigure = 5062,
  SectorDestroyedFigure = 5063,
  SectorRemainingFigure = 5064,
  ShipsRemainingFigure = 5065,
  KillRatioFigure = 5066,
};
