#pragma once

#include <span>
#include <string_view>
#include <utility>

#include "engine/message.h"
#include "platform/window.h"

// Formatted text into control `item` of `dialog` (or of the main window), at
// most 255 characters.

// The message's catalogue text; when the text cannot be loaded (the
// catalogue has shown its box) the control is left unchanged.
void SetItemString(platform::Window* dialog, int item, const Message& message);

// A literal printf-style text.
void SetItemFormat(platform::Window* dialog, int item, std::string_view format,
                   std::span<const TextArgument> arguments);

template <typename... Values>
void SetItemFormat(platform::Window* dialog, int item, std::string_view format, Values&&... values) {
  const TextArgument arguments[] = {TextArgument(std::forward<Values>(values))..., TextArgument(0)};
  SetItemFormat(dialog, item, format, std::span<const TextArgument>(arguments, sizeof...(Values)));
}
