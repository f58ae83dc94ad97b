#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace kestravane::platform {
namespace {

Rect RectOf(const QRect& area) { return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()}; }

}  // namespace

Rect DesktopRect() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return RectOf(screen->geometry());
}

std::vector<Rect> ScreenWorkAreas() {
  std::vector<Rect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas.push_back(RectOf(screen->availableGeometry()));
  return areas;
}

}  // namespace kestravane::platform
