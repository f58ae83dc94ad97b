#include "app/show_outcome.h"

#include "app/main_window.h"
#include "display/main_layout.h"
#include "display/panels.h"
#include "platform/qt/rect_qt.h"

namespace kestravane {

void ShowOutcome(MainWindow& window, const Outcome& outcome, const GameState& state) {
  BoardView& board = window.board();
  for (const Supply supply : outcome.Stepped) {
    BoardTexts texts;
    DrawSupplyNow(board.Canvas(), texts, state, supply);
    board.ShowDrawn();
    board.ShowTexts(texts);
  }
  for (const Message& message : outcome.Messages) window.ShowStatus(message);
  for (const Area area : outcome.Invalidated) board.Invalidate(platform::ToQRect(AreaRect(area)));
  for (const Cell cell : outcome.Cells) board.Invalidate(platform::ToQRect(CellRect(cell)));
  if (outcome.ShipButtons) board.EnableShipButtons(*outcome.ShipButtons);
}

}  // namespace kestravane
