#pragma once

#include <type_traits>

namespace kestravane {

// Every number the game and its resources share, each named once: commands
// (menu items, shortcuts and ship buttons), catalogue texts, icons, bitmaps
// and sounds. The numbers are resource keys and stored in files and
// settings, so they never change.

enum class Command : int {
  New = 101,
  Open = 102,
  Close = 104,
  NewByNumber = 105,
  TodaysUniverse = 106,
  GameNumber = 107,
  CaptainsRecord = 108,
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
  TopMost = 399,
  Aim = 410,
  Fire = 411,
  Helm = 412,
  Engage = 413,
  Reverse = 414,
  Sounds = 415,
  About = 999,
};

enum class Text : unsigned {
  ProgramName = 1000,
  DocumentExtension = 1003,
  DocumentFilter = 1004,
  OpenTitle = 1005,
  SaveAsTitle = 1007,
  SaveQuestion = 3000,
  HelmCoordinateRange = 3001,
  AimCoordinateRange = 3002,
  LevelForNextGame = 3003,
  LevelSupplies = 3004,
  MissileName = 3005,
  FuelName = 3006,
  OldVersion = 3007,
  UniverseRange = 3010,
  UniverseNumberIs = 3011,
  UniverseUnknown = 3012,
  ClearRecordQuestion = 3013,
  Generating = 5000,
  ShipsDetected = 5001,
  TargetCoordinates = 5002,
  TargetingCanceled = 5003,
  TargetingCoordinates = 5004,
  HelmCoordinates = 5005,
  HelmCanceled = 5006,
  SettingHelm = 5007,
  UniverseNumber = 5008,
  Commander = 5009,
  Opened = 5010,
  Saving = 5011,
  Saved = 5012,
  Loading = 5013,
  Loaded = 5014,
  PressAnyKey = 5015,
  Resuming = 5016,
  DiagnosticsTurned = 5017,
  WeaponsSelected = 5018,
  EnginesSelected = 5019,
  TracingTurned = 5020,
  Increasing = 5021,
  Decreasing = 5022,
  AtMinimum = 5023,
  AtMaximum = 5024,
  EnginesEngaged = 5025,
  SectorHasNoShips = 5026,
  SectorCleared = 5027,
  ShipsInSector = 5028,
  MissileLaunched = 5029,
  ShipAlreadyDestroyed = 5030,
  QuadrantSweptClean = 5031,
  EnemyDestroyed = 5032,
  NoEnemyFound = 5033,
  SectorShips = 5034,
  SectorDestroyed = 5035,
  SectorRemaining = 5036,
  ShipsRemaining = 5037,
  KillRatio = 5038,
  NoShotFired = 5039,
  MissilesGone = 5040,
  FuelGone = 5041,
  Victory = 5042,
  LogOpened = 5050,
  LogSector = 5051,
  LogShips = 5052,
  LogDestroyed = 5053,
  LogRemaining = 5054,
  LogUnexplored = 5055,
  LogClosed = 5056,
  SoundsFailed = 5060,
  RecordSetAside = 5061,
  RecordNotSaved = 5062,
  SettingsNotSaved = 5063,
  RecordInUse = 5064,
  RecordNotRead = 5065,
  RecordNotSetAside = 5066,
  // The support library's own texts.
  Ready = 60000,
  BitmapFailed = 60010,
  IconFailed = 60014,
  ResourceMissing = 60017,
  CreateFailed = 60026,
  OpenFailed = 60027,
  RewindFailed = 60030,
  HeaderReadFailed = 60032,
  HeaderWriteFailed = 60036,
  FlushFailed = 60040,
  CloseFailed = 60042,
  ForeignDocument = 60043,
  OptionsSaved = 60066,
  BlockReadFailed = 60093,
  BlockWriteFailed = 60094,
  Off = 60096,
  On = 60097,
  RenameFailed = 60098,
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
