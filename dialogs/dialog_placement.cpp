#include "dialogs/dialog_placement.h"

#include "dialogs/dialog_corner.h"
#include "platform/dialog.h"
#include "platform/screen.h"
#include "platform/window.h"

#include <QWidget>

void PlaceDialog(platform::Window* dialog, platform::Window* owner, const Placement& placement) {
  const DialogCorner corner = DialogCornerOn(placement, platform::ScreenRect(owner));
  platform::WindowWidget(dialog)->move(corner.x, corner.y);
}

void EndPlacedDialog(platform::Window* dialog, Placement& placement, int result) {
  StorePlacement(platform::WindowWidget(dialog), placement);
  platform::EndDialog(dialog, result);
}
