#include "display/main_paint.h"

#include "display/drawing.h"
#include "display/main_layout.h"
#include "display/panels.h"
#include "display/scanner_view.h"
#include "document/game_document.h"
#include "engine/globals.h"
#include "platform/surface.h"

namespace {

constexpr unsigned FirstPicture = 5000;

}  // namespace

// Every paint draws everything, whatever was invalidated: the frames, the
// grid or the picture, the crosshair and the three panels.
void PaintMainWindow(platform::Window* window) {
  platform::Surface* surface = platform::WindowSurface(window);
  DrawEtchedLine(surface, Rect{0, 0, ClientWidth, ClientHeight});
  Draw3DFrame(surface, Game.ScannerFrame);
  if (Document.InProgress && PictureIndex == 0) {
    DrawScanner(window, surface);
    DrawShipMarker(window, Game);
  } else {
    DrawPicture(surface, FirstPicture + static_cast<unsigned>(PictureIndex), Game.ScannerArea);
  }
  Draw3DFrame(surface, Game.StatusFrame);
  DrawWeaponsPanel(window, Game);
  DrawEnginesPanel(window, Game);
  DrawScannerPanel(window, Grid, Game, Scans);
  platform::ReleaseSurface(surface);
}
