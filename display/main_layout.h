#pragma once

#include "engine/outcome.h"
#include "platform/color.h"
#include "platform/rect.h"
#include "platform/window.h"

// The main window's client area never changes size: everything in it has a
// fixed place, in client pixels.
inline constexpr int ClientWidth = 470;
inline constexpr int ClientHeight = 350;

namespace layout {

using platform::Rect;

inline constexpr Rect ScannerFrame{165, 20, 458, 313};
inline constexpr Rect ScannerArea{168, 23, 456, 311};
inline constexpr Rect StatusFrame{165, 320, 458, 340};
inline constexpr Rect WeaponsPanel{10, 20, 155, 105};
inline constexpr Rect WeaponsIcon{20, 32, 52, 64};
inline constexpr Rect EnginesPanel{10, 125, 155, 210};
inline constexpr Rect EnginesIcon{20, 137, 52, 169};
inline constexpr Rect ScannerPanel{10, 230, 155, 340};
inline constexpr Rect ScannerIcon{20, 240, 52, 272};
inline constexpr Rect QuadrantIcon{20, 298, 52, 330};

// A gauge's sunken frame sits under its label, right of its panel's icon.
inline constexpr Rect GaugeFrameAt(int left, int top) { return {left, top + 16, left + 64, top + 30}; }
inline constexpr Rect MissileGauge = GaugeFrameAt(WeaponsIcon.right + 9, WeaponsPanel.top + 10);
inline constexpr Rect FuelGauge = GaugeFrameAt(EnginesIcon.right + 9, EnginesPanel.top + 10);
inline constexpr platform::Color GaugeColor{128, 128, 128};

}  // namespace layout

// The client pixels an area of the game covers.
platform::Rect AreaRect(Area area);

// The 32 x 32 square of a cell of the sector grid.
platform::Rect CellRect(Cell cell);

// Creates the main window's 21 controls. False after a warning box naming
// the control that could not be made.
bool CreateChildWindows(platform::Window* window);

// Enables or disables the four ship buttons (aim, fire, reverse, engage) and
// repaints the window.
void EnableShipButtons(platform::Window* window, bool enable);
