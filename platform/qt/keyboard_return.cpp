#include "platform/qt/keyboard_return.h"

#include <QApplication>

namespace platform {

void ReturnKeyboardTo(QWidget* owner) {
  const QWidget* active = QApplication::activeWindow();
  if (owner && (!active || !active->isVisible())) owner->window()->activateWindow();
}

}  // namespace platform
