#pragma once

#include <QImage>

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

 private:
  QImage own_;
  QImage* image_;
  AppWindow* window_;
};

}  // namespace platform
