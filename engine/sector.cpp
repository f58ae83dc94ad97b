#include "engine/sector.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace kestravane {

namespace {

int OnGrid(int coordinate) { return std::clamp(coordinate, 0, AxisLength - 1); }

}  // namespace

ScanAxis EffectiveAxis(const GameState& state) {
  return state.Axis == ScanAxis::Y || state.Axis == ScanAxis::X ? state.Axis : ScanAxis::Z;
}

int SectorCoordinate(const GameState& state) {
  switch (EffectiveAxis(state)) {
    case ScanAxis::Y: return OnGrid(state.Y);
    case ScanAxis::X: return OnGrid(state.X);
    default: return OnGrid(state.Z);
  }
}

Quadrant SectorQuadrant(const GameState& state, int row, int column) {
  switch (EffectiveAxis(state)) {
    case ScanAxis::Y: return {row, OnGrid(state.Y), column};
    case ScanAxis::X: return {column, row, OnGrid(state.X)};
    default: return {OnGrid(state.Z), row, column};
  }
}

int ShipRow(const GameState& state) {
  return OnGrid(EffectiveAxis(state) == ScanAxis::Y ? state.Z : state.Y);
}

int ShipColumn(const GameState& state) {
  return OnGrid(EffectiveAxis(state) == ScanAxis::X ? state.Z : state.X);
}

Cell ShipCell(const GameState& state) { return {ShipRow(state), ShipColumn(state)}; }

Quadrant ShipQuadrant(const GameState& state) { return {OnGrid(state.Z), OnGrid(state.Y), OnGrid(state.X)}; }

Cell CellOf(const GameState& state, Quadrant quadrant) {
  switch (EffectiveAxis(state)) {
    case ScanAxis::Y: return {quadrant.Z, quadrant.X};
    case ScanAxis::X: return {quadrant.Y, quadrant.Z};
    default: return {quadrant.Y, quadrant.X};
  }
}

namespace {

template <typename Test>
int CountSector(const GameState& state, Test test) {
  int count = 0;
  for (int row = 0; row < AxisLength; ++row) {
    for (int column = 0; column < AxisLength; ++column) {
      const Quadrant q = SectorQuadrant(state, row, column);
      if (test(QuadrantIndex(q.Z, q.Y, q.X))) ++count;
    }
  }
  return count;
}

}  // namespace

int CountSectorShips(const QuadrantGrid& grid, const GameState& state) {
  return CountSector(state, [&](int i) { return grid.Enemy[i] != 0; });
}

int CountSectorDestroyed(const QuadrantGrid& grid, const GameState& state) {
  return CountSector(state, [&](int i) { return grid.Enemy[i] != 0 && grid.Struck[i] != 0; });
}

int RecordSectorScan(const QuadrantGrid& grid, const GameState& state, ScanLog& log) {
  SectorScan& entry = LoggedScan(log, EffectiveAxis(state), SectorCoordinate(state));
  entry.Scanned = 1;
  entry.Ships = CountSectorShips(grid, state);
  entry.Destroyed = CountSectorDestroyed(grid, state);
  entry.Remaining = entry.Ships - entry.Destroyed;
  return entry.Remaining;
}

void RecordKill(ScanLog& log, Quadrant quadrant) {
  for (const auto& [axis, coordinate] :
       {std::pair{ScanAxis::Z, quadrant.Z}, std::pair{ScanAxis::Y, quadrant.Y}, std::pair{ScanAxis::X, quadrant.X}}) {
    SectorScan& scan = LoggedScan(log, axis, coordinate);
    if (!scan.Scanned) continue;
    ++scan.Destroyed;
    --scan.Remaining;
  }
}

bool ShipShown(const QuadrantGrid& grid, Quadrant quadrant, bool tracing) {
  const int i = QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X);
  return grid.Enemy[i] && (grid.Struck[i] || tracing);
}

Icon CellIcon(const QuadrantGrid& grid, Quadrant quadrant, bool tracing) {
  const int i = QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X);
  if (!ShipShown(grid, quadrant, tracing)) return static_cast<Icon>(grid.StarIcon[i]);
  return grid.Struck[i] ? Icon::DestroyedShip : Icon::LiveShip;
}

bool SearchedEmpty(const QuadrantGrid& grid, Quadrant quadrant) {
  const int i = QuadrantIndex(quadrant.Z, quadrant.Y, quadrant.X);
  return grid.Struck[i] && !grid.Enemy[i];
}

int KillRatioPercent(int shipsDestroyed, int missilesFired) {
  const double perShot = static_cast<double>(shipsDestroyed) / missilesFired;
  return static_cast<int>(perShot * 100.0);
}

int MissilesFired(const GameState& state) { return state.Missiles.Maximum - state.Missiles.Value; }

ScoreFigures MakeScoreFigures(const QuadrantGrid& grid, const GameState& state) {
  const int ships = CountSectorShips(grid, state);
  const int destroyed = CountSectorDestroyed(grid, state);
  const int universeLeft = state.EnemyShips - state.ShipsDestroyed;
  const int fired = MissilesFired(state);
  return {
      MakeMessage(Text::SectorShips, ships),
      MakeMessage(Text::SectorDestroyed, destroyed),
      MakeMessage(Text::SectorRemaining, ships - destroyed),
      MakeMessage(Text::ShipsRemaining, universeLeft),
      fired == 0 ? std::nullopt
                 : std::optional(MakeMessage(Text::KillRatio, KillRatioPercent(state.ShipsDestroyed, fired))),
  };
}

}  // namespace kestravane
