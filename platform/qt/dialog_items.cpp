#include "platform/dialog_items.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "platform/qt/game_text.h"
#include "platform/qt/window_impl.h"

namespace platform {

void SetItemText(Window* dialog, int item, const char* text) {
  QWidget* control = dialog ? dialog->Item(item) : nullptr;
  const QString converted = FromGameText(text);
  if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(converted);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(converted);
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    edit->setText(converted);
  } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
    box->setTitle(converted);
  }
}

}  // namespace platform
