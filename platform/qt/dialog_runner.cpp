#include <QPointer>

#include "platform/dialog.h"
#include "platform/qt/template_dialog.h"

namespace platform {

int RunDialog(Window* owner, std::span<const std::uint8_t> layout, DialogEvents* events) {
  const std::optional<DialogTemplate> parsed = ParseDialogTemplate(layout);
  if (!parsed) return -1;
  QWidget* ownerWidget = owner && owner->widget() ? owner->widget()->window() : nullptr;
  // Guarded: destroying the owner while the dialog is up destroys the dialog too.
  const QPointer<TemplateDialog> dialog = new TemplateDialog(*parsed, ownerWidget, events);
  const int result = dialog->complete() ? dialog->Run() : -1;
  delete dialog.data();
  return result;
}

void EndDialog(Window* dialog, int result) {
  if (auto* running = dynamic_cast<TemplateDialog*>(dialog)) running->End(result);
}

}  // namespace platform
