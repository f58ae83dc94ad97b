#include "dialogs/scan_log_lines.h"

#include "engine/game_state.h"

#include <gtest/gtest.h>

#include <string>

using namespace kestravane;

namespace {

std::vector<Message> Sector(int number, const SectorScan& scan) {
  if (scan.Scanned == 0) return {MakeMessage(Text::LogSector, number), MakeMessage(Text::LogUnexplored)};
  return {MakeMessage(Text::LogSector, number),
          MakeMessage(Text::LogShips, scan.Ships, std::string(scan.Ships == 1 ? "" : "s")),
          MakeMessage(Text::LogDestroyed, scan.Destroyed), MakeMessage(Text::LogRemaining, scan.Remaining)};
}

}  // namespace

TEST(ScanLogLinesTest, NothingScannedListsNineUnexploredSectors) {
  const std::vector<Message> lines = ScanLogLines(ScanLog{}, ScanAxis::Y);
  ASSERT_EQ(lines.size(), 18u);
  for (int sector = 0; sector < 9; ++sector) {
    EXPECT_EQ(lines[2 * sector], MakeMessage(Text::LogSector, sector));
    EXPECT_EQ(lines[2 * sector + 1], MakeMessage(Text::LogUnexplored));
  }
}

TEST(ScanLogLinesTest, EachAxisListsItsOwnNineEntries) {
  ScanLog log{};
  for (int axis = 0; axis < 3; ++axis)
    for (int sector = 0; sector < 9; ++sector)
      log.Sector[axis * 9 + sector] = {1, axis + sector, sector % 2, axis + sector - sector % 2};
  for (int axis = 0; axis < 3; ++axis) {
    const std::vector<Message> lines = ScanLogLines(log, ScanAxis(axis));
    ASSERT_EQ(lines.size(), 36u) << "axis " << axis;
    for (int sector = 0; sector < 9; ++sector) {
      const std::vector<Message> expected = Sector(sector, log.Sector[axis * 9 + sector]);
      EXPECT_EQ(std::vector<Message>(lines.begin() + 4 * sector, lines.begin() + 4 * sector + 4), expected);
    }
  }
}

TEST(ScanLogLinesTest, OnlyOneShipGoesWithoutThePluralEnding) {
  ScanLog log{};
  log.Sector[18 + 0] = {1, 0, 0, 0};
  log.Sector[18 + 1] = {1, 1, 1, 0};
  log.Sector[18 + 2] = {1, 2, 0, 2};
  const std::vector<Message> lines = ScanLogLines(log, ScanAxis::X);
  EXPECT_EQ(lines.size(), 18u + 3 * 2);
  EXPECT_EQ(lines[1], MakeMessage(Text::LogShips, 0, std::string("s")));
  EXPECT_EQ(lines[5], MakeMessage(Text::LogShips, 1, std::string()));
  EXPECT_EQ(lines[9], MakeMessage(Text::LogShips, 2, std::string("s")));
  EXPECT_EQ(lines[12], MakeMessage(Text::LogSector, 3));
}
