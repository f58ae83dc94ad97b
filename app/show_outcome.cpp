#include "app/show_outcome.h"

#include "app/status_line.h"
#include "display/main_layout.h"
#include "display/panels.h"
#include "support/sound.h"

void ShowOutcome(platform::Window* window, const Outcome& outcome, const GameState& state, bool sounds) {
  for (const Supply supply : outcome.Stepped) DrawSupplyNow(window, state, supply);
  for (const Message& message : outcome.Messages) ShowStatus(message);
  if (sounds) {
    for (const Sound sound : outcome.Sounds) PlayWave(sound);
  } else if (outcome.AlertWhenSilent) {
    AlertBeep();
  }
  for (const Area area : outcome.Invalidated) {
    const platform::Rect rect = AreaRect(area);
    platform::InvalidateRect(window, &rect);
  }
  for (const Cell cell : outcome.Cells) {
    const platform::Rect rect = CellRect(cell);
    platform::InvalidateRect(window, &rect);
  }
  if (outcome.ShipButtons) EnableShipButtons(window, *outcome.ShipButtons);
}
