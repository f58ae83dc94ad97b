#pragma once

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <utility>

#include "platform/qt/app_window.h"
#include "platform/qt/client_area.h"
#include "platform/window.h"
#include "recording_events.h"

// The game's main window at its real size, shown and ready for input.
inline platform::WindowSpec MainWindowShape() {
  platform::WindowSpec shape;
  shape.title = "Kestravane";
  shape.x = 40;
  shape.y = 30;
  shape.clientWidth = 470;
  shape.clientHeight = 350;
  shape.iconId = 1000;
  return shape;
}

// A window of the game for one test, destroyed when the test ends, however
// it ends, while its events are still there to hear it.
class TestWindow {
 public:
  explicit TestWindow(const platform::WindowSpec& shape = MainWindowShape()) {
    const platform::Result<platform::Window*> made = platform::CreateAppWindow(shape, &events);
    window_ = made ? *made : nullptr;
  }
  ~TestWindow() { Destroy(); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  // Unless the window went already, by the close box for instance.
  void Destroy() {
    platform::Window* window = std::exchange(window_, nullptr);
    if (window && events.Named("Destroyed").isEmpty()) platform::DestroyWindow(window);
  }
  platform::Window* get() const { return window_; }
  operator platform::Window*() const { return window_; }
  platform::Window* operator->() const { return window_; }

  RecordingEvents events;

 private:
  platform::Window* window_ = nullptr;
};

inline QWidget* ClientAreaOf(platform::Window* window) {
  return platform::AppWindow::From(window)->clientArea();
}

// Shows the window and waits until it is on the (offscreen) screen and has
// the keyboard.
inline bool ShowAndActivate(platform::Window* window) {
  platform::ShowWindow(window, platform::ShowMode::Normal);
  QWidget* frame = window->widget();
  frame->activateWindow();
  return QTest::qWaitForWindowExposed(frame) && QTest::qWaitForWindowActive(frame);
}

// The colour the player sees at client pixel (x, y): read back from what
// the window system was given, not from the window's own image.
inline QColor ScreenColour(platform::Window* window, int x, int y) {
  QWidget* frame = window->widget();
  const QImage screen = frame->screen()->grabWindow(frame->winId()).toImage();
  const QPoint at = ClientAreaOf(window)->mapTo(frame, QPoint(x, y));
  return screen.pixelColor(at * frame->devicePixelRatio());
}
