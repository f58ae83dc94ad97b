#include "document/record_check.h"

#include "engine/generation.h"
#include "engine/identifiers.h"

namespace {

bool Within(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

bool RecordPlayable(const GameRecord& record) {
  return Within(record.Z, 0, AxisLength - 1) && Within(record.Y, 0, AxisLength - 1) &&
         Within(record.X, 0, AxisLength - 1) && Within(record.ScanAxis, ScanZ, ScanX) &&
         Within(record.Difficulty, 1, 3) && Within(record.Fuel, 0, FuelFor(record.Difficulty)) &&
         Within(record.Missiles, 0, MissilesFor(record.Difficulty)) &&
         Within(record.EnemyShips, 0, QuadrantCount) && Within(record.ShipsDestroyed, 0, record.EnemyShips);
}

bool StarFieldsPlayable(const QuadrantGrid& grid) {
  for (const std::int32_t icon : grid.StarIcon)
    if (!Within(icon, Id(Icon::FirstStarField), Id(Icon::LastStarField))) return false;
  return true;
}
