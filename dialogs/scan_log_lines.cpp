#include "dialogs/scan_log_lines.h"


#include "engine/quadrant_grid.h"

namespace kestravane {

std::vector<Message> ScanLogLines(const ScanLog& log, ScanAxis axis) {
  std::vector<Message> lines;
  for (int sector = 0; sector < AxisLength; ++sector) {
    lines.push_back(MakeMessage(Text::LogSector, sector));
    const SectorScan& scan = LoggedScan(log, axis, sector);
    if (scan.Scanned == 0) {
      lines.push_back(MakeMessage(Text::LogUnexplored));
      continue;
    }
    lines.push_back(MakeMessage(Text::LogShips, scan.Ships));
    lines.push_back(MakeMessage(Text::LogDestroyed, scan.Destroyed));
    lines.push_back(MakeMessage(Text::LogRemaining, scan.Remaining));
  }
  return lines;
}

}  // namespace kestravane
