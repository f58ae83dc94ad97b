#pragma once

#include <QImage>
#include <QStringList>

#include "engine/game_state.h"
#include "engine/quadrant_grid.h"
#include "engine/scan_log.h"
#include "platform/resources.h"

namespace kestravane {

// The Map of the Hunt: the whole cube as its nine Z sectors, three by three,
// each with rows Y and columns X as the scanner shows them along Z, and a
// legend beside them. It is drawn from what a saved game holds alone (the
// struck and enemy layers, the scan log and the counters), so that any game
// opened shows its map. A quadrant a scanned sector went through is lit; a
// destroyed ship shows its icon, and so does a ship that survived, but only
// once the hunt is over (HuntOver): until then a ship not found stays hidden.
// A shot that found nothing is framed in grey, as on the scanner.
QImage DrawHuntMap(const QuadrantGrid& grid, const ScanLog& log, const GameState& state,
                   platform::PictureStore& pictures);

// What a screen reader hears of each Z sector of the same map, in order:
// its destroyed ships and, once the hunt is over, the ships that survived,
// each by its place, then its hits and misses and the quadrants scanned.
QStringList HuntMapSectorNames(const QuadrantGrid& grid, const ScanLog& log, const GameState& state);

}  // namespace kestravane
