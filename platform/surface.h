#pragma once

#include "platform/color.h"
#include "platform/rect.h"
#include "platform/resources.h"
#include "platform/window.h"

namespace platform {

// A place the game draws on: the main window's client area or an off-screen
// picture. Pixels follow the classic rules the game's layout counts on: a
// line leaves out its end point; a filled or framed rectangle leaves out its
// right and bottom edges.
class Surface;

// The client area of `window`. Everything drawn there goes into the window's
// one 32-bit image of its client area. Drawn outside WindowEvents::Paint, it
// reaches the screen when the surface is released, at once and without
// letting input through.
Surface* WindowSurface(Window* window);
void ReleaseSurface(Surface* surface);

// An off-screen picture of `width` x `height` pixels, contents undefined.
Surface* CreateOffscreenSurface(int width, int height);
void DeleteOffscreenSurface(Surface* surface);

// Copies the whole of `source` to `target` with its top-left pixel at (x, y).
void CopySurface(const Surface* source, Surface* target, int x, int y);

enum class PenMode {
  Copy,
  Xor,  // each pixel becomes itself exclusive-or the pen colour
};

// A line of `width` pixels from (x0, y0) up to, not including, (x1, y1).
void DrawLine(Surface* surface, int x0, int y0, int x1, int y1, Color color, int width = 1,
              PenMode mode = PenMode::Copy);

void FillRect(Surface* surface, const Rect& area, Color color);

// The one-pixel outline just inside `area`: from (left, top) to
// (right - 1, bottom - 1).
void FrameRect(Surface* surface, const Rect& area, Color color);

// Draws the picture at its own size with its top-left pixel at (x, y). An
// icon lets the surface show through where its mask says; a bitmap is
// copied 1:1.
void DrawPicture(Surface* surface, const Picture& picture, int x, int y);

// The colour of one pixel, for the game's drawing tests.
Color PixelAt(const Surface* surface, int x, int y);

}  // namespace platform
