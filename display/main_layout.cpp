#include "display/main_layout.h"

namespace kestravane {

using platform::Rect;
using namespace layout;

Rect CellRect(Cell cell) {
  return At(ScannerArea.left + 32 * cell.Column, ScannerArea.top + 32 * cell.Row, 32, 32);
}

std::optional<Cell> CellAt(int x, int y) {
  if (x < ScannerArea.left || x >= ScannerArea.right || y < ScannerArea.top || y >= ScannerArea.bottom) return {};
  return Cell{(y - ScannerArea.top) / 32, (x - ScannerArea.left) / 32};
}

}  // namespace kestravane
