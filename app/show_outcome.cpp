#include "app/show_outcome.h"

#include "app/status_line.h"
#include "display/main_layout.h"
#include "support/sound.h"

void ShowOutcome(platform::Window* window, const Outcome& outcome, bool sounds) {
  for (const Message& message : outcome.Messages) ShowStatus(message);
  if (sounds)
    for (const Sound sound : outcome.Sounds) PlayWave(sound);
  for (const Area area : outcome.Invalidated) {
    const platform::Rect rect = AreaRect(area);
    platform::InvalidateRect(window, &rect);
  }
  if (outcome.ShipButtons) EnableShipButtons(window, *outcome.ShipButtons);
}
