#include "platform/qt/frame_widget.h"

#include <QCloseEvent>

#include "platform/qt/app_window.h"

namespace platform {

FrameWidget::FrameWidget(AppWindow* owner, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), owner_(owner) {}

void FrameWidget::closeEvent(QCloseEvent* event) {
  // The window goes only through DestroyWindow, so that the game hears of it.
  event->ignore();
  if (owner_ && owner_->events()->CloseRequested(owner_)) DestroyWindow(owner_);
}

}  // namespace platform
