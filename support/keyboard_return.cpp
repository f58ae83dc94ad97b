#include "support/keyboard_return.h"

#include <QApplication>
#include <QWidget>

void ReturnKeyboardTo(QWidget* owner) {
  const QWidget* active = QApplication::activeWindow();
  if (owner && (!active || !active->isVisible())) owner->window()->activateWindow();
}
