#include "engine/sector.h"

#include <algorithm>
#include <initializer_list>

namespace {

int OnGrid(int coordinate) { return std::clamp(coordinate, 0, AxisLength - 1); }

}  // namespace

int EffectiveAxis(const GameState& state) {
  return state.ScanAxis == ScanY || state.ScanAxis == ScanX ? state.ScanAxis : ScanZ;
}

int SectorCoordinate(const GameState& state) {
  switch (EffectiveAxis(state)) {
    case ScanY: return OnGrid(state.Y);
    case ScanX: return OnGrid(state.X);
    default: return OnGrid(state.Z);
  }
}

Quadrant SectorQuadrant(const GameState& state, int row, int column) {
  switch (EffectiveAxis(state)) {
    case ScanY: return {row, OnGrid(state.Y), column};
    case ScanX: return {column, row, OnGrid(state.X)};
    default: return {OnGrid(state.Z), row, column};
  }
}

int ShipRow(const GameState& state) {
  return OnGrid(EffectiveAxis(state) == ScanY ? state.Z : state.Y);
}

int ShipColumn(const GameState& state) {
  return OnGrid(EffectiveAxis(state) == ScanX ? state.Z : state.X);
}

Cell ShipCell(const GameState& state) { return {ShipRow(state), ShipColumn(state)}; }

Quadrant ShipQuadrant(const GameState& state) { return {OnGrid(state.Z), OnGrid(state.Y), OnGrid(state.X)}; }

Cell CellOf(const GameState& state, Quadrant quadrant) {
  switch (EffectiveAxis(state)) {
    case ScanY: return {quadrant.Z, quadrant.X};
    case ScanX: return {quadrant.Y, quadrant.Z};
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
  SectorScan& entry = log.Sector[EffectiveAxis(state) * AxisLength + SectorCoordinate(state)];
  entry.Scanned = 1;
  entry.Ships = CountSectorShips(grid, state);
  entry.Destroyed = CountSectorDestroyed(grid, state);
  entry.Remaining = entry.Ships - entry.Destroyed;
  return entry.Remaining;
}

void RecordKill(ScanLog& log, Quadrant quadrant) {
  for (const int entry : {ScanZ * AxisLength + quadrant.Z, ScanY * AxisLength + quadrant.Y,
                          ScanX * AxisLength + quadrant.X}) {
    SectorScan& scan = log.Sector[entry];
    if (!scan.Scanned) continue;
    ++scan.Destroyed;
    --scan.Remaining;
  }
}
