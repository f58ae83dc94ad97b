#include "display/main_paint.h"

#include "display/drawing.h"
#include "display/main_layout.h"
#include "display/panels.h"
#include "display/scanner_view.h"
#include "platform/surface.h"
#include "support/pictures.h"

// Every paint draws everything, whatever was invalidated.
void PaintMainWindow(platform::Window* window, Session& session) {
  platform::Surface* surface = platform::WindowSurface(window);
  DrawEtchedLine(surface, {0, 0, ClientWidth, ClientHeight});
  Draw3DFrame(surface, layout::ScannerFrame);
  if (session.InProgress && session.Picture == NoPicture) {
    DrawScanner(window, surface, session);
    DrawShipMarker(window, session.State);
  } else {
    const Bitmap picture{Id(Bitmap::FirstScannerPicture) + static_cast<unsigned>(session.Picture)};
    DrawPicture(surface, picture, layout::ScannerArea);
  }
  Draw3DFrame(surface, layout::StatusFrame);
  DrawWeaponsPanel(window, session.State);
  DrawEnginesPanel(window, session.State);
  DrawScannerPanel(window, session);
  platform::ReleaseSurface(surface);
}
