#include "support/placement.h"

#include <QWidget>
#include <algorithm>

namespace kestravane {

void StorePlacement(const QWidget* window, Placement& placement) {
  const QRect frame = window->frameGeometry();
  placement.Top = frame.top();
  placement.Left = frame.left();
  placement.Height = std::max(0, frame.height());
  placement.Width = std::max(0, frame.width());
}

}  // namespace kestravane
