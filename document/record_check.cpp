#include "document/record_check.h"

#include <initializer_list>

#include "engine/generation.h"
#include "engine/identifiers.h"
#include "engine/sector.h"

namespace kestravane {

namespace {

bool Within(int value, int low, int high) { return value >= low && value <= high; }

bool IsMark(std::int32_t value) { return value == 0 || value == 1; }

// The record holds the scan axis and the level as the game numbers them.
bool NamesAxis(std::int32_t value) {
  for (const ScanAxis axis : {ScanAxis::Z, ScanAxis::Y, ScanAxis::X})
    if (value == static_cast<std::int32_t>(axis)) return true;
  return false;
}

bool NamesDifficulty(std::int32_t value) {
  for (const Difficulty level : {Difficulty::Hard, Difficulty::Normal, Difficulty::Easy})
    if (value == static_cast<std::int32_t>(level)) return true;
  return false;
}

int CountWhere(const QuadrantGrid& grid, bool (*test)(const QuadrantGrid&, int)) {
  int count = 0;
  for (int cell = 0; cell < QuadrantCount; ++cell)
    if (test(grid, cell)) ++count;
  return count;
}

bool HoldsShip(const QuadrantGrid& grid, int cell) { return grid.Enemy[cell] != 0; }
bool HoldsWreck(const QuadrantGrid& grid, int cell) { return grid.Enemy[cell] != 0 && grid.Struck[cell] != 0; }

bool ScanMatches(const SectorScan& scan, const QuadrantGrid& grid, ScanAxis axis, int coordinate) {
  if (scan.Scanned == 0) return scan.Ships == 0 && scan.Destroyed == 0 && scan.Remaining == 0;
  GameState sector;
  sector.Axis = axis;
  sector.Z = sector.Y = sector.X = coordinate;
  const int ships = CountSectorShips(grid, sector);
  const int destroyed = CountSectorDestroyed(grid, sector);
  return scan.Scanned == 1 && scan.Ships == ships && scan.Destroyed == destroyed &&
         scan.Remaining == ships - destroyed;
}

}  // namespace

// The supplies are bounded by the easiest level's whatever the game's own
// level: the player may lower the level in the middle of a game, which keeps
// the supplies it has.
bool RecordPlayable(const GameRecord& record) {
  return Within(record.Z, 0, AxisLength - 1) && Within(record.Y, 0, AxisLength - 1) &&
         Within(record.X, 0, AxisLength - 1) && NamesAxis(record.ScanAxis) &&
         NamesDifficulty(record.Difficulty) && Within(record.Fuel, 0, FuelFor(Difficulty::Easy)) &&
         Within(record.Missiles, 0, MissilesFor(Difficulty::Easy)) &&
         Within(record.EnemyShips, 0, QuadrantCount) && Within(record.ShipsDestroyed, 0, record.EnemyShips);
}

bool StarFieldsPlayable(const QuadrantGrid& grid) {
  for (const std::int32_t icon : grid.StarIcon)
    if (!Within(icon, Id(Icon::FirstStarField), Id(Icon::LastStarField))) return false;
  return true;
}

bool MarksPlayable(const QuadrantGrid& grid) {
  for (int cell = 0; cell < QuadrantCount; ++cell)
    if (!IsMark(grid.Struck[cell]) || !IsMark(grid.Enemy[cell])) return false;
  return CountWhere(grid, HoldsShip) == ShipsPerGame;
}

bool CountsMatchGrid(const GameRecord& record, const QuadrantGrid& grid) {
  return record.EnemyShips == CountWhere(grid, HoldsShip) && record.ShipsDestroyed == CountWhere(grid, HoldsWreck);
}

bool ScanLogMatchesGrid(const ScanLog& log, const QuadrantGrid& grid) {
  for (const ScanAxis axis : {ScanAxis::Z, ScanAxis::Y, ScanAxis::X})
    for (int coordinate = 0; coordinate < AxisLength; ++coordinate)
      if (!ScanMatches(LoggedScan(log, axis, coordinate), grid, axis, coordinate)) return false;
  return true;
}

}  // namespace kestravane
