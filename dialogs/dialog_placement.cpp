#include "dialogs/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "dialogs/dialog_corner.h"

namespace kestravane {

PlacedDialog::PlacedDialog(QWidget* owner, Placement& placement) : QDialog(owner), placement_(placement) {}

void PlacedDialog::done(int result) {
  const QRect frame = frameGeometry();
  placement_.Top = frame.top();
  placement_.Left = frame.left();
  placement_.Height = std::max(0, frame.height());
  placement_.Width = std::max(0, frame.width());
  QDialog::done(result);
}

void PlacedDialog::MoveToPlacement() {
  const QWidget* owner = parentWidget();
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->geometry() : QRect();
  const platform::Rect rect{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
  const DialogCorner corner = DialogCornerOn(placement_, rect);
  move(corner.x, corner.y);
}

}  // namespace kestravane
