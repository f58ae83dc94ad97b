#pragma once

#include <QImage>
#include <QRect>
#include <utility>

#include "platform/surface.h"

namespace platform {

class AppWindow;

// What the game draws on: a window's image (kept by the window) or an
// off-screen picture (kept here). Either way a 32-bit RGB image.
class Surface {
 public:
  Surface(QImage* windowImage, AppWindow* window) : image_(windowImage), window_(window) {}
  Surface(int width, int height)
      : own_(width, height, QImage::Format_RGB32), image_(&own_), window_(nullptr) {}
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  QImage& image() { return *image_; }
  const QImage& image() const { return *image_; }
  // The window whose client area this is, or null for an off-screen picture.
  AppWindow* window() const { return window_; }

  // Pixels drawn since the last TakeChanged(): a drawing shown on the window
  // at once puts only these on the screen, so a small mark costs a small copy.
  void Changed(const QRect& area) { changed_ |= area; }
  QRect TakeChanged() { return std::exchange(changed_, QRect()); }

 private:
  QImage own_;
  QRect changed_;
  QImage* image_;
  AppWindow* window_;
};

}  // namespace platform
