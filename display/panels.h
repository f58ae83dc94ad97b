#pragma once

#include "display/board_texts.h"
#include "display/surface.h"
#include "engine/outcome.h"
#include "engine/session.h"
#include "platform/rect.h"

namespace kestravane {

// The three panels left of the scanner view. Each draws on the main
// window's image around its labels and gives those labels their texts;
// every paint draws them whole from the session.

// Frame, map icon with the ship's own cell marked, ship readout, missile
// gauge and count.
void DrawWeaponsPanel(Surface& surface, BoardTexts& texts, const GameState& state);

// Frame, engines icon, ship readout, fuel gauge and count.
void DrawEnginesPanel(Surface& surface, BoardTexts& texts, const GameState& state);

// Frame, map icon with the known enemy ships of the current sector, ship
// readout, the current quadrant's picture and the score figures. Records the
// sector in the scan log on every call, game or no game. Returns the
// sector's remaining ships.
int DrawScannerPanel(Surface& surface, BoardTexts& texts, Session& session);

// A supply has just stepped: its bar and count show the new value at once,
// before the rest of the window is repainted.
void DrawSupplyNow(Surface& surface, BoardTexts& texts, const GameState& state, Supply supply);

// Marks cell (column, row) of a map icon drawn at `icon`: its light 2 x 2
// square turns black.
void DrawMapDot(Surface& surface, const platform::Rect& icon, int column, int row);

}  // namespace kestravane
