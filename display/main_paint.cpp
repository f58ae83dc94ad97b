#include "display/main_paint.h"

#include "display/drawing.h"
#include "display/main_layout.h"
#include "engine/globals.h"
#include "platform/surface.h"

void PaintMainWindow(platform::Window* window) {
  platform::Surface* surface = platform::WindowSurface(window);
  DrawEtchedLine(surface, Rect{0, 0, ClientWidth, ClientHeight});
  Draw3DFrame(surface, Game.ScannerFrame);
  Draw3DFrame(surface, Game.StatusFrame);
  Draw3DFrame(surface, Game.WeaponsPanel);
  Draw3DFrame(surface, Game.EnginesPanel);
  Draw3DFrame(surface, Game.ScannerPanel);
  platform::ReleaseSurface(surface);
}
