#include "dialogs/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>

#include "dialogs/dialog_corner.h"
#include "platform/qt/rect_qt.h"

namespace kestravane {

PlacedDialog::PlacedDialog(QWidget* owner, Placement& placement) : QDialog(owner), placement_(placement) {}

void PlacedDialog::done(int result) {
  StorePlacement(this, placement_);
  QDialog::done(result);
}

void PlacedDialog::MoveToPlacement() {
  // Sized first: a window sized after it is placed forgets that its place
  // was its frame's.
  adjustSize();
  const QWidget* owner = parentWidget();
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  const DialogCorner corner = DialogCornerOn(placement_, platform::FromQRect(screen ? screen->geometry() : QRect()));
  move(corner.x, corner.y);
}

}  // namespace kestravane
