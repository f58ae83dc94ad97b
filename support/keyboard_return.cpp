#include "support/keyboard_return.h"

#include <QApplication>
#include <QWidget>

namespace kestravane {

void ReturnKeyboardTo(QWidget* owner) {
  const QWidget* active = QApplication::activeWindow();
  if (owner && (!active || !active->isVisible())) owner->window()->activateWindow();
}

}  // namespace kestravane
