#include "support/splash.h"

#include "platform/surface.h"
#include "support/message_box.h"
#include "support/pictures.h"

bool Splash::ShowAtStartup() {
  Close();
  startup_ = true;
  return Show();
}

bool Splash::Show() {
  if (window_) {
    platform::ShowWindow(window_, platform::ShowMode::Normal);
    platform::BringToFront(window_);
    return true;
  }
  if (picture_.right == 0) {
    const std::optional<platform::Rect> size = PicSize(Bitmap::Title);
    if (!size) return false;
    picture_ = *size;
  }

  const platform::Rect& desktop = library_.DesktopRect;
  platform::WindowSpec shape;
  shape.frame = platform::WindowFrame::Popup;
  shape.title = "Splash";
  shape.x = (desktop.right - desktop.left - picture_.right) / 2;
  shape.y = (desktop.bottom - desktop.top - picture_.bottom) / 2;
  shape.clientWidth = picture_.right;
  shape.clientHeight = picture_.bottom;
  shape.topMost = true;
  shape.iconId = Id(Icon::Program);
  shape.background = library_.BackgroundColor;
  shape.closesBeforeBoxes = true;

  const platform::Result<platform::Window*> made = platform::CreateAppWindow(shape, this);
  if (!made) return ErrorBox(Text::WindowFailed, "Splash", made.error());
  window_ = *made;
  platform::ShowWindow(window_, platform::ShowMode::Normal);
  platform::BringToFront(window_);
  platform::UpdateWindow(window_);
  return true;
}

void Splash::Close() {
  platform::Window* window = window_;
  window_ = nullptr;
  startup_ = false;
  if (window) platform::DestroyWindow(window);
}

void Splash::Paint(platform::Window* window) {
  platform::Surface* surface = platform::WindowSurface(window);
  DrawPicture(surface, Bitmap::Title, picture_);
  platform::ReleaseSurface(surface);
}

bool Splash::CloseRequested(platform::Window*) {
  Close();
  return false;
}

void Splash::Destroyed(platform::Window* window) {
  if (window == window_) {
    window_ = nullptr;
    startup_ = false;
  }
}

void Splash::CloseUnlessStarting() {
  if (!startup_) Close();
}
