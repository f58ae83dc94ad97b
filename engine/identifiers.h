#pragma once

#include <type_traits>

namespace kestravane {

// The game's commands (menu items, shortcuts and ship buttons), icons,
// bitmaps and sounds, each named once under its number: the menu item's, or
// the resource's key among the embedded artwork. A game file holds its
// quadrants' star fields by icon number, so no number here ever changes.

enum class Command : int {
  New = 101,
  Open = 102,
  Close = 104,
  NewByNumber = 105,
  TodaysUniverse = 106,
  GameNumber = 107,
  CaptainsRecord = 108,
  CopyResult = 109,
  HuntMap = 111,
  Save = 110,
  Options = 133,
  Exit = 199,
  GameRules = 310,
  KeyboardShortcuts = 311,
  MissionOrders = 312,
  ScanZ = 350,
  ScanY = 351,
  ScanX = 352,
  ScannerLog = 353,
  ZoomIn = 360,
  ZoomOut = 361,
  ActualSize = 362,
  TopMost = 399,
  Aim = 410,
  Fire = 411,
  Helm = 412,
  Engage = 413,
  Reverse = 414,
  Sounds = 415,
  About = 999,
};

// Every word the player sees or hears, by name; the English and where it
// shows are in engine/texts.inc.
enum class Text {
#define TEXT(name, ...) name,
#define PLURAL(name, ...) name,
#include "engine/texts.inc"
#undef TEXT
#undef PLURAL
};

enum class Icon : unsigned {
  Program = 1000,
  Helm = 2200,
  Aim = 2300,
  ScannerLog = 2400,
  Sound = 2525,
  Hint = 2550,
  Map = 5000,
  DestroyedShip = 5001,
  LiveShip = 5002,
  Engines = 5003,
  Warning = 5300,
  Error = 5500,
  FirstStarField = 10001,
  LastStarField = 10200,
};

// The full-size pictures: the title picture, and the scanner's pages in
// place of the sector when no game is open or one is paused.
enum class Bitmap : unsigned {
  Title = 1000,
  TitlePage = 5000,
  GameRules = 5001,
  KeyboardShortcuts = 5002,
  MissionOrders = 5003,
  Victory = 5004,
  Defeat = 5005,
};

enum class Sound : unsigned {
  MissileLaunched = 2000,
  EnginesEngaged = 2001,
  EnemyDestroyed = 2002,
  MissileWasted = 2003,
};

// The number an identifier stands for, where the window system wants one.
template <typename Identifier>
constexpr auto Id(Identifier identifier) {
  return static_cast<std::underlying_type_t<Identifier>>(identifier);
}

}  // namespace kestravane
