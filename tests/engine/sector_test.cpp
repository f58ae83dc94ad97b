#include "engine/sector.h"

#include <gtest/gtest.h>

#include <set>

using namespace kestravane;

namespace {

class SectorTest : public ::testing::Test {
 protected:
  QuadrantGrid grid{};
  GameState state;
  ScanLog log{};

  void Place(int z, int y, int x, bool struck = false) {
    grid.Enemy[QuadrantIndex(z, y, x)] = 1;
    if (struck) grid.Struck[QuadrantIndex(z, y, x)] = 1;
  }
};

}  // namespace

TEST_F(SectorTest, ZSectorCountsExactlyItsOwnLayer) {
  for (int i = 0; i < QuadrantCount; ++i) grid.Enemy[i] = (i % 7 == 0);
  state.Axis = ScanAxis::Z;
  state.Z = 3;
  int expected = 0;
  for (int i = 243; i <= 323; ++i) expected += grid.Enemy[i];
  EXPECT_EQ(CountSectorShips(grid, state), expected);
}

TEST_F(SectorTest, EachAxisFixesItsOwnCoordinate) {
  Place(2, 5, 7);
  state.Z = 2;
  state.Y = 5;
  state.X = 7;
  for (const ScanAxis axis : {ScanAxis::Z, ScanAxis::Y, ScanAxis::X}) {
    state.Axis = axis;
    EXPECT_EQ(CountSectorShips(grid, state), 1) << "axis " << static_cast<int>(axis);
  }
  state.Z = 3;
  state.Axis = ScanAxis::Z;
  EXPECT_EQ(CountSectorShips(grid, state), 0);
  state.Axis = ScanAxis::Y;
  EXPECT_EQ(CountSectorShips(grid, state), 1) << "the Y sector ignores Z";
}

TEST_F(SectorTest, LayoutPutsRowsAndColumnsWhereTheScannerShowsThem) {
  state.Z = 1;
  state.Y = 2;
  state.X = 3;
  state.Axis = ScanAxis::Z;
  Quadrant q = SectorQuadrant(state, 4, 6);
  EXPECT_EQ((std::set<int>{q.Z * 100 + q.Y * 10 + q.X}), std::set<int>{146});
  EXPECT_EQ(ShipRow(state), 2);
  EXPECT_EQ(ShipColumn(state), 3);

  state.Axis = ScanAxis::Y;
  q = SectorQuadrant(state, 4, 6);
  EXPECT_EQ(q.Z * 100 + q.Y * 10 + q.X, 426);
  EXPECT_EQ(ShipRow(state), 1);
  EXPECT_EQ(ShipColumn(state), 3);

  state.Axis = ScanAxis::X;
  q = SectorQuadrant(state, 4, 6);
  EXPECT_EQ(q.Z * 100 + q.Y * 10 + q.X, 643);
  EXPECT_EQ(ShipRow(state), 2);
  EXPECT_EQ(ShipColumn(state), 1);
}

TEST_F(SectorTest, AnUnknownAxisBehavesLikeZ) {
  Place(4, 0, 0);
  Place(4, 8, 8, true);
  Place(0, 4, 4);
  state.Z = 4;
  state.Y = 4;
  state.X = 4;
  state.Axis = ScanAxis(7);
  EXPECT_EQ(CountSectorShips(grid, state), 2);
  EXPECT_EQ(CountSectorDestroyed(grid, state), 1);
  EXPECT_EQ(RecordSectorScan(grid, state, log), 1);
  EXPECT_EQ(log.Sector[4].Scanned, 1);
  EXPECT_EQ(log.Sector[4].Ships, 2);
  for (int entry = 9; entry < SectorCount; ++entry) EXPECT_EQ(log.Sector[entry].Scanned, 0);
}

TEST_F(SectorTest, DestroyedNeedsBothEnemyAndStruck) {
  Place(0, 0, 0, true);
  Place(0, 0, 1);
  grid.Struck[QuadrantIndex(0, 0, 2)] = 1;  // a searched, empty quadrant
  state.Axis = ScanAxis::Z;
  EXPECT_EQ(CountSectorShips(grid, state), 2);
  EXPECT_EQ(CountSectorDestroyed(grid, state), 1);
}

TEST_F(SectorTest, RecordOverwritesTheEntryOfTheSectorOnScreen) {
  Place(1, 6, 0, true);
  Place(5, 6, 8, true);
  state.Axis = ScanAxis::Y;
  state.Y = 6;
  log.Sector[15] = {0, 99, 99, 99};
  EXPECT_EQ(RecordSectorScan(grid, state, log), 0) << "all ships destroyed leaves none remaining";
  const SectorScan& entry = log.Sector[15];
  EXPECT_EQ(entry.Scanned, 1);
  EXPECT_EQ(entry.Ships, 2);
  EXPECT_EQ(entry.Destroyed, 2);
  EXPECT_EQ(entry.Remaining, 0);

  state.Axis = ScanAxis::X;
  state.X = 8;
  RecordSectorScan(grid, state, log);
  EXPECT_EQ(log.Sector[26].Ships, 1);
}

TEST_F(SectorTest, KillUpdatesOnlyTheScannedSectorsThroughTheQuadrant) {
  log.Sector[2] = {1, 3, 0, 3};        // Z = 2, scanned
  log.Sector[18 + 6] = {1, 2, 1, 1};   // X = 6, scanned
  RecordKill(log, {2, 5, 6});
  EXPECT_EQ(log.Sector[2].Destroyed, 1);
  EXPECT_EQ(log.Sector[2].Remaining, 2);
  EXPECT_EQ(log.Sector[24].Destroyed, 2);
  EXPECT_EQ(log.Sector[24].Remaining, 0);
  const SectorScan& neverScanned = log.Sector[9 + 5];
  EXPECT_EQ(neverScanned.Scanned + neverScanned.Ships + neverScanned.Destroyed + neverScanned.Remaining, 0);
}

TEST_F(SectorTest, CoordinatesOffTheGridAreTakenAsTheNearestEdge) {
  Place(8, 0, 8);
  state.Z = 40;
  state.Y = -3;
  state.X = 1000;
  state.Axis = ScanAxis::Z;
  EXPECT_EQ(SectorCoordinate(state), 8);
  EXPECT_EQ(ShipRow(state), 0);
  EXPECT_EQ(ShipColumn(state), 8);
  EXPECT_EQ(CountSectorShips(grid, state), 1);
  const Quadrant corner = SectorQuadrant(state, 0, 8);
  EXPECT_EQ(corner.Z, 8);

  state.Axis = ScanAxis::X;
  EXPECT_EQ(SectorCoordinate(state), 8);
  EXPECT_EQ(ShipColumn(state), 8) << "the column along X is Z, clamped";
  EXPECT_EQ(RecordSectorScan(grid, state, log), 1);
  EXPECT_EQ(log.Sector[18 + 8].Scanned, 1);

  state.Axis = ScanAxis::Y;
  EXPECT_EQ(SectorCoordinate(state), 0);
  EXPECT_EQ(ShipRow(state), 8);
}
