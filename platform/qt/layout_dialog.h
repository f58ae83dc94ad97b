#pragma once

#include <QDialog>
#include <QPointer>
#include <QPushButton>

#include "platform/dialog.h"
#include "platform/qt/window_impl.h"

namespace platform {

// A modal dialog made from a layout. It never closes by itself: Enter,
// Escape and the close box become commands, and only End() finishes it.
class LayoutDialog : public QDialog, public Window {
 public:
  LayoutDialog(const DialogLayout& layout, QWidget* owner, DialogEvents* events);

  QWidget* widget() override { return this; }

  // Lets the game prepare the controls, then shows the dialog and waits.
  // Returns the result given to End().
  int Run();
  void End(int result);

  // Passes what happened to control `id` on to the game.
  void Notify(int id, int notification);

  void SetDefaultButton(int id, QPushButton* button);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void FocusFirstControl();

  DialogEvents* events_;
  bool ended_ = false;
  int result_ = 0;
  int defaultId_ = 0;
  QPointer<QPushButton> defaultButton_;
};

}  // namespace platform
