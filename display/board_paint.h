#pragma once

#include <QString>
#include <optional>

#include "display/result_panel.h"
#include "display/surface.h"
#include "engine/identifiers.h"
#include "engine/session.h"
#include "platform/rect.h"
#include "platform/resources.h"

namespace kestravane {

// What the main window's labels say, as a paint of the board leaves it.
struct BoardTexts {
  // Set while the sector shows; the label keeps its text under a page.
  std::optional<QString> ScanLabel;
  QString WeaponsReadout;
  QString MissileCount;
  QString EnginesReadout;
  QString FuelCount;
  QString ScannerReadout;
  QString SectorShips;
  QString SectorDestroyed;
  QString SectorRemaining;
  QString ShipsRemaining;
  QString KillRatio;
  // Set while the page of a game's end shows its result.
  std::optional<ResultTexts> Result;
};

// The main window's board, drawn whole from the session: the etched line
// under the menu bar, the frames of the scanner view and the status line,
// the sector grid with the crosshair on the ship's cell or the page in its
// place, and the weapons, engines and scanner panels with their gauges and
// maps, and a finished game's result on its last page. Returns the texts
// of the labels over it. Its icons and pages come from `pictures`.
BoardTexts PaintBoard(Surface& surface, const Session& session, platform::PictureStore& pictures);

// A bitmap of `pictures` at its own size with its top-left corner at the
// rectangle's. False after an error box naming the routine when it cannot
// be loaded; nothing is drawn then.
bool DrawPicture(Surface& surface, platform::PictureStore& pictures, Bitmap id, const platform::Rect& rect);

}  // namespace kestravane
