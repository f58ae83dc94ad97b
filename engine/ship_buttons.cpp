#include "engine/ship_buttons.h"

namespace {

ShipButtonsSwitch shipButtonsSwitch = nullptr;

}  // namespace

void SetShipButtonsSwitch(ShipButtonsSwitch toggle) { shipButtonsSwitch = toggle; }

void EnableShipButtons(int enable) {
  if (shipButtonsSwitch) shipButtonsSwitch(enable);
}
