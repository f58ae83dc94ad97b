#pragma once

// Enables or disables the four ship buttons (aim, fire, helm, engage) and
// repaints the window. The display installs the code that does it on screen.
void EnableShipButtons(int enable);

using ShipButtonsSwitch = void (*)(int enable);
void SetShipButtonsSwitch(ShipButtonsSwitch toggle);
