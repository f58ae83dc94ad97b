#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

Rect DesktopRect() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect area = screen->geometry();
  return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

}  // namespace platform
