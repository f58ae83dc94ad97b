#include "engine/outcome.h"

#include <iterator>

void Outcome::Append(Outcome later) {
  std::move(later.Messages.begin(), later.Messages.end(), std::back_inserter(Messages));
  Sounds.insert(Sounds.end(), later.Sounds.begin(), later.Sounds.end());
  Invalidated.insert(Invalidated.end(), later.Invalidated.begin(), later.Invalidated.end());
  if (later.ShipButtons) ShipButtons = later.ShipButtons;
}
