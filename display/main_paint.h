#pragma once

#include "display/board_texts.h"
#include "display/surface.h"
#include "engine/session.h"

namespace kestravane {

// The main window's board: the etched line under the menu bar, the frames of
// the scanner view and the status line, the sector grid or the picture in
// its place, and the three panels, drawn whole from the session.
void PaintBoard(Surface& surface, BoardTexts& texts, Session& session);

}  // namespace kestravane
