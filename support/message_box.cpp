#include "support/message_box.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <string>

#include "support/box_layouts.h"
#include "support/catalogue.h"
#include "support/form.h"
#include "support/keyboard_return.h"
#include "support/text_format.h"

namespace kestravane {

namespace {

constexpr unsigned ErrorIcon = 5500;
constexpr unsigned WarningIcon = 5300;

enum class BoxIcon { Error, Warning };

// The first ")", ":", " " becomes ")" and two carriage returns, so that
// "Routine(Call): description" shows the description after an empty line.
void BreakAfterFailedCall(std::string& text) {
  const std::size_t found = text.find("): ");
  if (found != std::string::npos) text.replace(found + 1, 2, "\r\r");
}

// Puts the whole box, frame included, in the middle of the primary screen.
void CentreOnScreen(QWidget* box) {
  box->winId();  // the frame is known once the window exists
  const QMargins frame = box->windowHandle() ? box->windowHandle()->frameMargins() : QMargins();
  const int frameWidth = box->width() + frame.left() + frame.right();
  const int frameHeight = box->height() + frame.top() + frame.bottom();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect desktop = screen ? screen->geometry() : QRect();
  box->move(desktop.left() + (desktop.width() - frameWidth) / 2, desktop.top() + (desktop.height() - frameHeight) / 2);
}

// A box is made as a window before it shows, so that its frame can be
// measured to centre it.
class Box : public QDialog {
 public:
  using QDialog::QDialog;
  void Make() { create(); }
};

void ShowBox(QWidget* owner, BoxIcon icon, const std::string& caption, const std::string& text) {
  const QPointer<Box> box = new Box(owner ? owner->window() : nullptr);
  Form form(*box, "DialogTmp", box_layout::Box);
  form.IconIn(icon == BoxIcon::Error ? ErrorIcon : WarningIcon, box_layout::Icon);
  QLabel* message = form.Label(" ", box_layout::Message);
  QPushButton* ok = form.Button("OK", box_layout::OkButton, true, Tab::Skip);
  QObject::connect(ok, &QPushButton::clicked, box, &QDialog::accept);
  box->Make();
  // Flags first: changing them may make the window anew.
  box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box->setWindowTitle(FromGameText(caption));
  CentreOnScreen(box);
  message->setText(FromGameText(text));
  ok->setFocus(Qt::OtherFocusReason);
  box->exec();
  delete box.data();
  ReturnKeyboardTo(owner);
}

// Error and warning boxes have the one OK button. Returns false.
bool RunBox(QWidget* owner, BoxIcon icon, const std::string& caption, const std::string& text) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    std::string lines = text;
    std::replace(lines.begin(), lines.end(), '\r', '\n');
    std::fprintf(stderr, "%s\n", lines.c_str());
    return false;
  }
  ShowBox(owner, icon, caption, text);
  return false;
}

bool ShowErrorText(std::string text) {
  BreakAfterFailedCall(text);
  return RunBox(QApplication::activeWindow(), BoxIcon::Error, "Error", text);
}

}  // namespace

bool ErrorBox(const Message& message) {
  const std::optional<std::string> text = CatalogueMessage(message, BoxTextLimit);
  if (!text) return false;
  return ShowErrorText(*text);
}

bool ErrorBoxText(std::string_view format, std::span<const TextArgument> arguments) {
  return ShowErrorText(FormatText(format, arguments, BoxTextLimit));
}

bool WarningBox(QWidget* owner, Text caption, const Message& message) {
  const std::optional<std::string> captionText = CatalogueText(caption);
  if (!captionText) return false;
  const std::optional<std::string> text = CatalogueMessage(message, BoxTextLimit);
  if (!text) return false;
  return RunBox(owner, BoxIcon::Warning, *captionText, *text);
}

QMessageBox::StandardButton AskQuestion(QWidget* owner, Text question, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton preferred, QMessageBox::StandardButton escape) {
  const std::optional<std::string> caption = CatalogueText(Text::ProgramName);
  if (!caption) return escape;
  const std::optional<std::string> text = CatalogueText(question);
  if (!text) return escape;
  QMessageBox box(QMessageBox::Question, FromGameText(*caption), FromGameText(*text), buttons, owner);
  box.setDefaultButton(preferred);
  box.setEscapeButton(escape);
  const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
  ReturnKeyboardTo(owner);
  return buttons.testFlag(answer) ? answer : escape;
}

}  // namespace kestravane
