#include "support/message_box.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <cstdio>

#include "support/catalogue.h"
#include "support/dialog_layout.h"
#include "support/keyboard_return.h"

namespace kestravane {

namespace {

// A box is made as a window before it is kept on top: given the flag
// before, it is not always activated.
class Box : public QDialog {
 public:
  using QDialog::QDialog;
  void Make() { create(); }

  // Puts the whole box, frame included, in the middle of the primary
  // screen. The box's frame is known only once the window manager has
  // framed it: until then its owner's, framed by the same manager, stands
  // in for it, and the box is centred again by its own frame once known.
  void Centre() {
    adjustSize();
    const QWindow* owner = parentWidget() ? parentWidget()->windowHandle() : nullptr;
    const QMargins frame = framed_ ? windowHandle()->frameMargins() : owner ? owner->frameMargins() : QMargins();
    const QSize whole = size().grownBy(frame);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->geometry() : QRect();
    const QPoint inside(frame.left() + (desktop.width() - whole.width()) / 2,
                        frame.top() + (desktop.height() - whole.height()) / 2);
    setGeometry(QRect(desktop.topLeft() + inside, size()));
  }

 protected:
  bool event(QEvent* event) override {
    const bool handled = QDialog::event(event);
    if (!framed_ && frameGeometry() != geometry()) {
      framed_ = true;
      Centre();
    }
    return handled;
  }

 private:
  bool framed_ = false;
};

// Every error and warning box has the same size, icon, message and button,
// whoever raises it. False, for the caller to return.
bool ShowBox(QWidget* owner, Icon icon, const QString& caption, const QString& text) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return false;
  }
  const QPointer<Box> box = new Box(owner ? owner->window() : nullptr);
  SetUpDialog(*box, caption);
  auto* layout = new DialogLayout(box, 220, 85);
  layout->Add(IconLabel(icon), {8, 9});
  auto* message = layout->Add(new QLabel(text), {37, 8, 175, 50});
  message->setTextFormat(Qt::PlainText);
  message->setWordWrap(true);
  message->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  QPushButton* ok = layout->Add(new QPushButton(Tr(Text::Ok)), {91, 65, 36, 14});
  ok->setDefault(true);
  ok->setFocusPolicy(Qt::ClickFocus);
  QObject::connect(ok, &QPushButton::clicked, box, &QDialog::accept);
  box->Make();
  // The flag makes the window anew, so it comes before the frame is measured.
  box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box->Centre();
  ok->setFocus(Qt::OtherFocusReason);
  box->exec();
  delete box.data();
  ReturnKeyboardTo(owner);
  return false;
}

}  // namespace

bool IsBox(const QWidget& window) {
  return dynamic_cast<const Box*>(&window) || qobject_cast<const QMessageBox*>(&window);
}

bool ErrorBox(const Message& message) {
  QString text = Tr(message, BoxTextLimit);
  if (const qsizetype call = text.indexOf(QStringLiteral("): ")); call >= 0)
    text.replace(call + 1, 2, QStringLiteral("\n\n"));
  return ShowBox(QApplication::activeWindow(), Icon::Error, Tr(Text::ErrorCaption), text);
}

bool WarningBox(QWidget* owner, const Message& message) {
  return ShowBox(owner, Icon::Warning, Tr(Text::ProgramName), Tr(message, BoxTextLimit));
}

QMessageBox::StandardButton AskQuestion(QWidget* owner, Text question, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton preferred, QMessageBox::StandardButton escape) {
  QMessageBox box(QMessageBox::Question, Tr(Text::ProgramName), Tr(question), buttons, owner);
  box.setDefaultButton(preferred);
  box.setEscapeButton(escape);
  const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
  ReturnKeyboardTo(owner);
  return buttons.testFlag(answer) ? answer : escape;
}

}  // namespace kestravane
