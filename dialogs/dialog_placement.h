#pragma once

#include <QDialog>
#include <QPointer>
#include <optional>

#include "support/keyboard_return.h"
#include "support/placement.h"

namespace kestravane {

// A dialog that reopens where the player left it. What is stored and what is
// restored are the same corner, the frame's, so that a dialog closed and
// opened again stays put under a window manager that draws frames.
class PlacedDialog : public QDialog {
 public:
  PlacedDialog(QWidget* owner, Placement& placement);

  // Stores where the dialog is, however it closes.
  void done(int result) override;

 protected:
  // Moves the dialog, before it shows, to where its placement puts it on the
  // screen its owner is on (see DialogCornerOn).
  void MoveToPlacement();

 private:
  Placement& placement_;
};

// Runs `dialog` modally over its owner, then gives the keyboard back to the
// owner. What `answer` reads from the dialog when the player confirmed;
// nothing when he did not, or when the owner went away with the dialog.
template <class Dialog, class Answer>
auto RunModal(Dialog* made, Answer answer) -> std::optional<decltype(answer(*made))> {
  const QPointer<QWidget> owner = made->parentWidget();
  const QPointer<Dialog> dialog = made;
  const bool confirmed = dialog->exec() == QDialog::Accepted && dialog;
  std::optional<decltype(answer(*made))> answered;
  if (confirmed) answered = answer(*dialog);
  delete dialog.data();
  ReturnKeyboardTo(owner);
  return answered;
}

}  // namespace kestravane
