#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "engine/identifiers.h"

namespace kestravane {

// A value for a placeholder of a catalogue text: "%d" and "%u" take numbers,
// "%s" takes text, or another catalogue text (a word such as "ON") that is
// looked up when the message is shown.
using TextArgument = std::variant<int, unsigned, std::string, Text>;

// A catalogue text and the values for its placeholders, kept until it is
// shown: on the status line, in a box or in a control.
struct Message {
  Text Id;
  std::vector<TextArgument> Arguments;

  bool operator==(const Message&) const = default;
};

template <typename... Values>
Message MakeMessage(Text id, Values&&... values) {
  return {id, {TextArgument(std::forward<Values>(values))...}};
}

}  // namespace kestravane
