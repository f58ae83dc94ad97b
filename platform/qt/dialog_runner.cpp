#include <QPointer>

#include "platform/dialog.h"
#include "platform/qt/keyboard_return.h"
#include "platform/qt/layout_dialog.h"

namespace platform {

int RunDialog(Window* owner, const DialogLayout& layout, DialogEvents* events) {
  const QPointer<QWidget> ownerWidget = owner && owner->widget() ? owner->widget()->window() : nullptr;
  // Guarded: destroying the owner while the dialog is up destroys the dialog too.
  const QPointer<LayoutDialog> dialog = new LayoutDialog(layout, ownerWidget, events);
  const int result = dialog->Run();
  delete dialog.data();
  ReturnKeyboardTo(ownerWidget);
  return result;
}

void EndDialog(Window* dialog, int result) {
  if (auto* running = dynamic_cast<LayoutDialog*>(dialog)) running->End(result);
}

}  // namespace platform
