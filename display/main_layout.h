#pragma once

#include <optional>

#include "engine/sector.h"
#include "platform/rect.h"

namespace kestravane {

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

inline constexpr Rect At(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// The labels and buttons over the drawing. The panel titles and the
// status line say what is given here; the rest say what a paint sets.
inline constexpr Rect StatusLine =
    At(StatusFrame.left + 2, StatusFrame.top + 1, StatusFrame.right - StatusFrame.left - 6, 18);
inline constexpr Rect ScanLabel =
    At(StatusFrame.left + 5, ScannerFrame.top - 15, StatusFrame.right - StatusFrame.left - 10, 13);
inline constexpr Rect WeaponsTitle = At(WeaponsPanel.left, WeaponsPanel.top - 15, 60, 13);
inline constexpr Rect WeaponsReadout = At(WeaponsIcon.left, WeaponsIcon.bottom + 5, 32, 13);
inline constexpr Rect MissilesLabel = At(WeaponsIcon.right + 9, WeaponsPanel.top + 10, 60, 13);
inline constexpr Rect MissileCount = At(MissileGauge.right + 6, MissileGauge.top + 1, 20, 13);
inline constexpr Rect AimButton = At(WeaponsPanel.right - 80, MissileGauge.bottom + 15, 32, 20);
inline constexpr Rect FireButton = At(WeaponsPanel.right - 80 + 38, MissileGauge.bottom + 15, 32, 20);
inline constexpr Rect EnginesTitle = At(EnginesPanel.left, EnginesPanel.top - 15, 60, 13);
inline constexpr Rect EnginesReadout = At(EnginesIcon.left, EnginesIcon.bottom + 15, 32, 13);
inline constexpr Rect FuelLabel = At(EnginesIcon.right + 9, EnginesPanel.top + 10, 60, 13);
inline constexpr Rect FuelCount = At(FuelGauge.right + 6, FuelGauge.top + 1, 20, 13);
inline constexpr Rect ReverseButton = At(EnginesPanel.right - 80, FuelGauge.bottom + 15, 32, 20);
inline constexpr Rect EngageButton = At(EnginesPanel.right - 80 + 38, FuelGauge.bottom + 15, 32, 20);
inline constexpr Rect ScannerTitle = At(ScannerPanel.left, ScannerPanel.top - 15, 60, 13);
inline constexpr Rect ScannerReadout = At(ScannerIcon.left, ScannerIcon.bottom + 5, 32, 13);
inline constexpr Rect SectorShips = At(ScannerIcon.right + 15, ScannerIcon.top - 5, 85, 13);
inline constexpr Rect SectorDestroyed = At(ScannerIcon.right + 15, ScannerIcon.top - 5 + 15, 85, 13);
inline constexpr Rect SectorRemaining = At(ScannerIcon.right + 15, ScannerIcon.top - 5 + 30, 85, 13);
inline constexpr Rect ShipsRemaining = At(QuadrantIcon.right + 15, QuadrantIcon.top + 3, 85, 13);
inline constexpr Rect KillRatio = At(QuadrantIcon.right + 15, QuadrantIcon.top + 3 + 15, 85, 13);

// The result of a finished game covers the lower part of its victory or
// defeat page, under the page's words: a rule, a heading, the figures in two
// columns, the place among the best over two lines, and a row of buttons.
inline constexpr Rect ResultPanel{ScannerArea.left, ScannerArea.top + 152, ScannerArea.right, ScannerArea.bottom};
inline constexpr int ResultLeft = ResultPanel.left + 14;
inline constexpr int ResultColumn = 130;
inline constexpr int ResultRow(int row) { return ResultPanel.top + 22 + 14 * row; }
inline constexpr Rect ResultHeading = At(ResultLeft, ResultPanel.top + 6, 2 * ResultColumn, 13);
inline constexpr Rect ResultUniverse = At(ResultLeft, ResultRow(0), ResultColumn, 13);
inline constexpr Rect ResultDifficulty = At(ResultLeft + ResultColumn, ResultRow(0), ResultColumn, 13);
inline constexpr Rect ResultShips = At(ResultLeft, ResultRow(1), ResultColumn, 13);
inline constexpr Rect ResultMissiles = At(ResultLeft + ResultColumn, ResultRow(1), ResultColumn, 13);
inline constexpr Rect ResultFuel = At(ResultLeft, ResultRow(2), ResultColumn, 13);
inline constexpr Rect ResultTime = At(ResultLeft + ResultColumn, ResultRow(2), ResultColumn, 13);
inline constexpr Rect ResultPlaceLine = At(ResultLeft, ResultRow(3) + 4, 2 * ResultColumn, 26);
inline constexpr Rect CopyResultButton = At(ResultLeft, ResultPanel.bottom - 28, 90, 20);
inline constexpr Rect HuntMapButton = At(CopyResultButton.right + 10, CopyResultButton.top, 110, 20);

}  // namespace layout

// The 32 x 32 square of a cell of the sector grid.
platform::Rect CellRect(Cell cell);

// The cell of the sector grid under client pixel (x, y), if any.
std::optional<Cell> CellAt(int x, int y);

}  // namespace kestravane
