#pragma once

#include <QMessageBox>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "engine/identifiers.h"
#include "engine/message.h"

namespace kestravane {

// The game's modal error and warning boxes. Each returns false, so that a
// failing routine can report and fail in one statement:
// `return ErrorBox(...);`. The values fill the text's placeholders.
// Error boxes belong to the window that is active, if any.

// Error box (caption "Error", error icon) showing the message.
bool ErrorBox(const Message& message);

// Error box showing a literal printf-style text of the support library.
bool ErrorBoxText(std::string_view format, std::span<const TextArgument> arguments);

// Warning box owned by `owner`, with catalogue texts for caption and message.
bool WarningBox(QWidget* owner, Text caption, const Message& message);

// Question box owned by `owner`, captioned with the program's name, asking
// catalogue text `question` with `buttons`: `preferred` is the default and
// `escape` what Escape and the close box give. The button pressed, or
// `escape` when a text cannot be loaded (after its box).
QMessageBox::StandardButton AskQuestion(QWidget* owner, Text question, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton preferred, QMessageBox::StandardButton escape);

template <typename... Values>
bool ErrorBox(Text id, Values&&... values) {
  return ErrorBox(MakeMessage(id, std::forward<Values>(values)...));
}

template <typename... Values>
bool ErrorBoxText(std::string_view format, Values&&... values) {
  const TextArgument arguments[] = {TextArgument(std::forward<Values>(values))..., TextArgument(0)};
  return ErrorBoxText(format, std::span<const TextArgument>(arguments, sizeof...(Values)));
}

template <typename... Values>
bool WarningBox(QWidget* owner, Text caption, Text id, Values&&... values) {
  return WarningBox(owner, caption, MakeMessage(id, std::forward<Values>(values)...));
}

// A program without a window system (kestravane-tool) cannot show a box: it
// writes the box's text on standard error instead, carriage returns as line
// breaks.

}  // namespace kestravane
