#include "support/splash.h"

#include "display/drawing.h"
#include "platform/keys.h"
#include "platform/resources.h"
#include "platform/surface.h"
#include "support/library.h"
#include "support/message_box.h"

SplashState Splash;

namespace {

constexpr unsigned TitlePicture = 1000;
constexpr unsigned ProgramIcon = 1000;

class SplashWindow final : public platform::WindowEvents {
 public:
  bool Created(platform::Window*) override {
    Splash.Client = {0, 0, Splash.Width, Splash.Height};
    return true;
  }

  void Paint(platform::Window* window) override {
    platform::Surface* surface = platform::WindowSurface(window);
    DrawPicture(surface, TitlePicture, Splash.Client);
    platform::ReleaseSurface(surface);
  }

  void KeyDown(platform::Window*, int) override { CloseUnlessStarting(); }
  void LeftButtonDown(platform::Window*, int, int) override { CloseUnlessStarting(); }

  bool CloseRequested(platform::Window*) override {
    CloseSplash();
    return false;
  }

 private:
  static void CloseUnlessStarting() {
    if (!Splash.StartupMode) CloseSplash();
  }
};

SplashWindow splashEvents;

}  // namespace

int RegisterSplash() {
  Rect size;
  if (!PicSize(TitlePicture, &size)) return 0;
  Splash.Width = size.right;
  Splash.Height = size.bottom;
  Splash.Window = nullptr;
  Splash.StartupMode = 1;
  return ShowSplash();
}

int ShowSplash() {
  SetBeforeBoxes([] { CloseSplash(); });
  if (Splash.Window) {
    platform::ShowWindow(Splash.Window, platform::ShowMode::Normal);
    platform::BringToFront(Splash.Window);
    return 1;
  }

  platform::WindowSpec shape;
  shape.frame = platform::WindowFrame::Popup;
  shape.title = "Splash";
  shape.x = (RectWidth(&Library.DesktopRect) - Splash.Width) / 2;
  shape.y = (RectHeight(&Library.DesktopRect) - Splash.Height) / 2;
  shape.clientWidth = Splash.Width;
  shape.clientHeight = Splash.Height;
  shape.topMost = true;
  shape.iconId = ProgramIcon;
  shape.background = Library.BackgroundColor;

  int error = 0;
  Splash.Window = platform::CreateAppWindow(shape, &splashEvents, error);
  if (!Splash.Window) return ErrorBox(60004, "Splash", error);
  platform::ShowWindow(Splash.Window, platform::ShowMode::Normal);
  platform::BringToFront(Splash.Window);
  platform::UpdateWindow(Splash.Window);
  return 1;
}

int CloseSplash() {
  platform::Window* window = Splash.Window;
  Splash.Window = nullptr;
  Splash.StartupMode = 0;
  if (window) platform::DestroyWindow(window);
  return 1;
}

int PicSize(unsigned id, Rect* rect) {
  int error = 0;
  const platform::Picture picture = platform::LoadBitmapResource(id, error);
  if (picture.IsNull()) return ErrorBox(60010, "PicSize", id, error);
  *rect = {0, 0, picture.Width(), picture.Height()};
  return 1;
}
