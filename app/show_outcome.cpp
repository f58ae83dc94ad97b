#include "app/show_outcome.h"

#include "app/main_window.h"
#include "display/main_layout.h"
#include "display/panels.h"
#include "support/sound.h"

namespace kestravane {

namespace {

QRect PlaceOf(const platform::Rect& rect) {
  return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

}  // namespace

void ShowOutcome(MainWindow& window, const Outcome& outcome, const GameState& state, bool sounds) {
  BoardView& board = window.board();
  for (const Supply supply : outcome.Stepped) {
    BoardTexts texts;
    DrawSupplyNow(board.Canvas(), texts, state, supply);
    board.ShowDrawn();
    board.ShowTexts(texts);
  }
  for (const Message& message : outcome.Messages) window.ShowStatus(message);
  if (sounds) {
    for (const Sound sound : outcome.Sounds) PlayWave(sound);
  } else if (outcome.AlertWhenSilent) {
    AlertBeep();
  }
  for (const Area area : outcome.Invalidated) board.Invalidate(PlaceOf(AreaRect(area)));
  for (const Cell cell : outcome.Cells) board.Invalidate(PlaceOf(CellRect(cell)));
  if (outcome.ShipButtons) board.EnableShipButtons(*outcome.ShipButtons);
}

}  // namespace kestravane
