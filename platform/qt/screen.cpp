#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/rect_qt.h"

namespace kestravane::platform {
Rect DesktopRect() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return FromQRect(screen->geometry());
}

std::vector<Rect> ScreenWorkAreas() {
  std::vector<Rect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas.push_back(FromQRect(screen->availableGeometry()));
  return areas;
}

}  // namespace kestravane::platform
