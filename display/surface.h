#pragma once

#include <QImage>
#include <QRect>
#include <utility>

#include "platform/color.h"
#include "platform/rect.h"
#include "platform/resources.h"

namespace kestravane {

// What the game draws on: the main window's image of its client area, or an
// off-screen picture of its own. Pixels follow the classic rules the game's
// layout counts on: a line leaves out its end point; a filled or framed
// rectangle leaves out its right and bottom edges.
class Surface {
 public:
  explicit Surface(QImage& image) : image_(&image) {}
  // An off-screen picture of `width` x `height` pixels, contents undefined.
  Surface(int width, int height) : own_(width, height, QImage::Format_RGB32), image_(&own_) {}
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  QImage& image() { return *image_; }
  const QImage& image() const { return *image_; }

  // Pixels drawn since the last TakeChanged(): a drawing shown on the window
  // at once puts only these on the screen, so a small mark costs a small copy.
  void Changed(const QRect& area) { changed_ |= area; }
  QRect TakeChanged() { return std::exchange(changed_, QRect()); }

 private:
  QImage own_;
  QRect changed_;
  QImage* image_;
};

// Copies the whole of `source` to `target` with its top-left pixel at (x, y).
void CopySurface(const Surface& source, Surface& target, int x, int y);

enum class PenMode {
  Copy,
  Xor,  // each pixel becomes itself exclusive-or the pen colour
};

// A line of `width` pixels from (x0, y0) up to, not including, (x1, y1).
void DrawLine(Surface& surface, int x0, int y0, int x1, int y1, platform::Color color, int width = 1,
              PenMode mode = PenMode::Copy);

void FillRect(Surface& surface, const platform::Rect& area, platform::Color color);

// The one-pixel outline just inside `area`: from (left, top) to
// (right - 1, bottom - 1).
void FrameRect(Surface& surface, const platform::Rect& area, platform::Color color);

// Draws the picture at its own size with its top-left pixel at (x, y). An
// icon lets the surface show through where its mask says; a bitmap is
// copied 1:1.
void DrawPicture(Surface& surface, const platform::Picture& picture, int x, int y);

}  // namespace kestravane
