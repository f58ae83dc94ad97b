#pragma once

#include <utility>

#include "engine/message.h"

// Shows the message on the main window's status line. Dropped when the line
// does not exist or is hidden.
void ShowStatus(const Message& message);

template <typename... Values>
void ShowStatus(Text id, Values&&... values) {
  ShowStatus(MakeMessage(id, std::forward<Values>(values)...));
}
