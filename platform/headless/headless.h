#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/window.h"

// The platform without a screen, for kestravane-tool and the tests. Boxes are
// written to standard error, carriage returns as line breaks; control texts
// are only kept. Everything shown is
// also remembered, so that the tests can check what the player would have seen.
namespace platform::headless {

struct ShownBox {
  BoxIcon icon;
  std::string caption;
  std::string text;  // exactly as given, carriage returns included
  Window* owner = nullptr;
  const DialogLayout* layout = nullptr;  // the layout the box was run from
};

// Boxes go to standard error unless muted; they are remembered either way.
void MuteBoxes(bool muted);

const std::vector<ShownBox>& Boxes();
// The text last set into control `item` of `dialog`; nothing if never set.
std::optional<std::string> ItemText(const Window* dialog, int item);
// Forgets the boxes and control texts shown so far.
void ForgetShown();

}  // namespace platform::headless
