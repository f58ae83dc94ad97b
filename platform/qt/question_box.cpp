#include "platform/question_box.h"

#include <QMessageBox>

#include "platform/qt/game_text.h"
#include "platform/qt/keyboard_return.h"
#include "platform/qt/window_impl.h"

namespace platform {

Answer AskYesNoCancel(Window* owner, const char* caption, const char* text) {
  QMessageBox box(QMessageBox::Question, FromGameText(caption), FromGameText(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  owner ? owner->widget() : nullptr);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  const int answer = box.exec();
  ReturnKeyboardTo(box.parentWidget());
  switch (answer) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

}  // namespace platform
