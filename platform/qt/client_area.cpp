#include "platform/qt/client_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <cmath>

#include "platform/qt/app_window.h"
#include "platform/qt/virtual_keys.h"

namespace platform {

ClientArea::ClientArea(AppWindow* owner, QWidget* parent) : QWidget(parent), owner_(owner) {
  setFocusPolicy(Qt::StrongFocus);
  // The image covers every pixel, so Qt need not clear anything first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

bool ClientArea::event(QEvent* event) {
  // Tab is one of the game's keys, not a move to the next control.
  if (event->type() == QEvent::KeyPress) {
    keyPressEvent(static_cast<QKeyEvent*>(event));
    return true;
  }
  return QWidget::event(event);
}

void ClientArea::paintEvent(QPaintEvent* event) {
  if (!owner_) return;
  if (!blitOnly_) owner_->PaintInvalid();
  if (!owner_) return;

  QPainter painter(this);
  // Whole multiples keep the pixel art sharp with the nearest pixel; between
  // one and two, nearest would make some one-pixel lines twice as thick as
  // others, so the picture is smoothed evenly instead.
  const qreal ratio = devicePixelRatioF();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio > 1.0 && ratio < 2.0);
  const QRect area = event->rect();
  painter.drawImage(area, owner_->image(), area);
}

void ClientArea::keyPressEvent(QKeyEvent* event) {
  if (!owner_) return;
  const int virtualKey = VirtualKeyFor(event->key());
  const bool control = event->modifiers().testFlag(Qt::ControlModifier);
  const bool repeated = event->isAutoRepeat();
  if (owner_->SendShortcut(virtualKey, control, repeated)) return;
  owner_->events()->KeyDown(owner_, virtualKey, repeated);
}

// The game counts presses, not double clicks; QWidget hands the second press
// of a double click, which comes as a double click alone, to this too.
void ClientArea::mousePressEvent(QMouseEvent* event) {
  if (!owner_) return;
  const int x = static_cast<int>(std::floor(event->position().x()));
  const int y = static_cast<int>(std::floor(event->position().y()));
  if (event->button() == Qt::LeftButton) owner_->events()->LeftButtonDown(owner_, x, y);
  if (event->button() == Qt::RightButton) owner_->events()->RightButtonDown(owner_, x, y);
}

}  // namespace platform
