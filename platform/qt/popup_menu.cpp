#include "platform/qt/popup_menu.h"

#include <QMouseEvent>

#include "platform/qt/app_window.h"

namespace platform {

PopupMenu::PopupMenu(const QString& title, AppWindow* window, QWidget* parent)
    : QMenu(title, parent), window_(window) {}

void PopupMenu::mouseMoveEvent(QMouseEvent* event) {
  QMenu::mouseMoveEvent(event);
  // An item Qt still highlights has been announced already.
  if (!window_ || !isVisible() || activeAction()) return;
  const QAction* pointed = actionAt(event->position().toPoint());
  const bool grayedItem = pointed && !pointed->isSeparator() && !pointed->isEnabled();
  window_->events()->MenuSelect(window_, grayedItem ? pointed->data().toInt() : 0, 0);
}

}  // namespace platform
