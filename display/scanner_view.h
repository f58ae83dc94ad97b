#pragma once

#include "display/board_texts.h"
#include "display/surface.h"
#include "engine/session.h"
#include "platform/rect.h"

namespace kestravane {

// The scanner view: the current sector as 9 x 9 cells of 32 x 32 icons with
// a crosshair on the ship's own cell, drawn from the session as it stands.

// Composes the grid off-screen and copies it to the scanner area of
// `surface` in one piece, so the sector never flickers while redrawn.
void DrawScanner(Surface& surface, BoardTexts& texts, const Session& session);

// Sets the scan label and draws the 81 cells into `surface` with the
// sector's top-left cell at its origin.
void DrawScanGrid(Surface& surface, BoardTexts& texts, const Session& session);

// The blue crosshair on the ship's cell.
void DrawShipMarker(Surface& surface, const GameState& state);

// The grey outline that marks a searched, empty cell, one pixel inside it.
void FrameSearchedCell(Surface& surface, const platform::Rect& cell);

}  // namespace kestravane
