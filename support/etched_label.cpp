#include "support/etched_label.h"

#include <QPainter>

namespace kestravane {

void EtchedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  painter.setFont(font());
  painter.setPen(QColor(255, 255, 255));
  painter.drawText(rect().translated(depth_, depth_), static_cast<int>(alignment()), text());
  painter.setPen(QColor(128, 128, 128));
  painter.drawText(rect(), static_cast<int>(alignment()), text());
}

}  // namespace kestravane
