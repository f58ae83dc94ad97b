#include "engine/outcome.h"

#include <iterator>

namespace kestravane {

namespace {

template <typename Item>
void AppendAll(std::vector<Item>& to, std::vector<Item>& from) {
  std::move(from.begin(), from.end(), std::back_inserter(to));
}

}  // namespace

void Outcome::Append(Outcome later) {
  AppendAll(Messages, later.Messages);
  AppendAll(Sounds, later.Sounds);
  AlertWhenSilent = AlertWhenSilent || later.AlertWhenSilent;
  if (later.ShipButtons) ShipButtons = later.ShipButtons;
  if (later.Ended) Ended = later.Ended;
}

}  // namespace kestravane
