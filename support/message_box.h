#pragma once

#include <QMessageBox>
#include <utility>

#include "engine/identifiers.h"
#include "engine/message.h"

namespace kestravane {

// The game's modal error and warning boxes. Each returns false, so that a
// failing routine can report and fail in one statement:
// `return ErrorBox(...);`. The values fill the text's placeholders.
// Error boxes belong to the window that is active, if any. A program without
// a window system (the tests of the game's parts) cannot show a box: it
// writes the box's text on standard error instead, lines broken.

// Error box (caption "Error", error icon) showing the message. Its first
// "): " breaks the line, so that "Routine(Call): description" shows the
// description after an empty line.
bool ErrorBox(const Message& message);

// Warning box owned by `owner`, captioned with the program's name.
bool WarningBox(QWidget* owner, const Message& message);

// Question box owned by `owner`, captioned with the program's name, asking
// `question` with `buttons`: `preferred` is the default and `escape` what
// Escape and the close box give. The button pressed.
QMessageBox::StandardButton AskQuestion(QWidget* owner, Text question, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton preferred, QMessageBox::StandardButton escape);

// Whether `window` is one of the boxes above, which no other window may hide.
bool IsBox(const QWidget& window);

template <typename... Values>
bool ErrorBox(Text id, Values&&... values) {
  return ErrorBox(MakeMessage(id, std::forward<Values>(values)...));
}

template <typename... Values>
bool WarningBox(QWidget* owner, Text id, Values&&... values) {
  return WarningBox(owner, MakeMessage(id, std::forward<Values>(values)...));
}

}  // namespace kestravane
