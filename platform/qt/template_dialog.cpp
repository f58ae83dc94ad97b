#include "platform/qt/template_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "platform/qt/dialog_controls.h"
#include "platform/qt/dialog_units.h"

namespace platform {
namespace {

constexpr std::uint32_t SizingFrame = 0x00040000;
constexpr int CancelCommand = 2;

// Where the template's corner is measured from: the owner's client area, or
// the desktop's corner when there is no owner.
QPoint Origin(const QWidget* owner) {
  if (owner) return owner->mapToGlobal(QPoint(0, 0));
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().topLeft() : QPoint(0, 0);
}

}  // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& layout, QWidget* owner, DialogEvents* events)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      events_(events) {
  setWindowTitle(QString::fromStdU16String(layout.title));
  setFont(DialogFont(layout));
  const DialogUnits units(font());

  DialogControlBuilder controls(*this, units);
  for (const ControlTemplate& control : layout.controls) {
    if (!controls.Add(control)) {
      complete_ = false;
      return;
    }
  }
  controls.Finish();

  const QSize client(units.HorizontalPixels(layout.width), units.VerticalPixels(layout.height));
  if ((layout.style & SizingFrame) && !(layout.style & style::ModalFrame)) {
    resize(client);
  } else {
    setFixedSize(client);
  }
  move(Origin(owner) + QPoint(units.HorizontalPixels(layout.x), units.VerticalPixels(layout.y)));
  setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
}

int TemplateDialog::Run() {
  // Made now, so that the game may measure the frame while it prepares.
  create();
  const bool focusDefault = events_ ? events_->Initialise(this) : true;
  if (ended_) return result_;
  if (focusDefault) FocusFirstControl();
  return exec();
}

void TemplateDialog::End(int result) {
  ended_ = true;
  result_ = result;
  done(result);
}

void TemplateDialog::Notify(int id, int notification) {
  if (events_) events_->Command(this, id, notification);
}

void TemplateDialog::SetDefaultButton(int id, QPushButton* button) {
  defaultId_ = id;
  defaultButton_ = button;
  button->setDefault(true);
}

void TemplateDialog::FocusFirstControl() {
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

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
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
void TemplateDialog::reject() { Notify(CancelCommand, NotifyClicked); }

}  // namespace platform
