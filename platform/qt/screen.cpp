#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/qt/window_impl.h"

namespace platform {
namespace {

Rect RectOf(const QRect& area) { return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()}; }

}  // namespace

Rect DesktopRect() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return RectOf(screen->geometry());
}

Rect ScreenRect(Window* window) {
  const QWidget* widget = window ? window->widget() : nullptr;
  const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
  return screen ? RectOf(screen->geometry()) : Rect{};
}

std::vector<Rect> ScreenWorkAreas() {
  std::vector<Rect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas.push_back(RectOf(screen->availableGeometry()));
  return areas;
}

}  // namespace platform
