#include "platform/qt/layout_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "platform/qt/dialog_controls.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/game_text.h"

namespace platform {
namespace {

constexpr int CancelCommand = 2;

// Where the layout's corner is measured from: the owner's client area, or
// the desktop's corner when there is no owner.
QPoint Origin(const QWidget* owner) {
  if (owner) return owner->mapToGlobal(QPoint(0, 0));
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().topLeft() : QPoint(0, 0);
}

}  // namespace

LayoutDialog::LayoutDialog(const DialogLayout& layout, QWidget* owner, DialogEvents* events)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      events_(events) {
  setWindowTitle(FromGameText(layout.caption));
  setFont(ToQFont(layout.font));
  const DialogUnits units(font());

  DialogControlBuilder controls(*this, units);
  for (const DialogControl& control : layout.controls) controls.Add(control);
  controls.Finish();

  // Every dialog has a modal frame: the player cannot resize it.
  const QRect place = units.Pixels(layout.rect);
  setFixedSize(place.size());
  move(Origin(owner) + place.topLeft());
  setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
}

int LayoutDialog::Run() {
  // Made now, so that the game may measure the frame while it prepares.
  create();
  const bool focusDefault = events_ ? events_->Initialise(this) : true;
  if (ended_) return result_;
  if (focusDefault) FocusFirstControl();
  return exec();
}

void LayoutDialog::End(int result) {
  ended_ = true;
  result_ = result;
  done(result);
}

void LayoutDialog::Notify(int id, int notification) {
  if (events_) events_->Command(this, id, notification);
}

void LayoutDialog::SetDefaultButton(int id, QPushButton* button) {
  defaultId_ = id;
  defaultButton_ = button;
  button->setDefault(true);
}

void LayoutDialog::FocusFirstControl() {
  if (defaultButton_ && defaultButton_->isEnabled()) {
    defaultButton_->setFocus(Qt::OtherFocusReason);
    return;
  }
  for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled() && !control->isHidden()) {
      control->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

void LayoutDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const bool plain = event->modifiers() == Qt::NoModifier ||
                     (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
  // A focused push button takes Enter itself; anywhere else it is the default's.
  if (enter && plain) {
    if (defaultButton_ && defaultButton_->isEnabled()) Notify(defaultId_, NotifyClicked);
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// Escape and the close box both come here; the game decides what they do.
void LayoutDialog::reject() { Notify(CancelCommand, NotifyClicked); }

}  // namespace platform
