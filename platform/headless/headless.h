#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/window.h"

// The platform without a screen, for kestravane-tool and the tests. Status
// lines are dropped unless asked for; control texts are only kept. Everything
// shown is also remembered, so that the tests can check what the player would
// have seen.
namespace platform::headless {

// Status lines go to standard error (and the record) only while shown.
void ShowStatusLines(bool shown);
const std::vector<std::string>& StatusLines();
// The text last set into control `item` of `dialog`; nothing if never set.
std::optional<std::string> ItemText(const Window* dialog, int item);
// Forgets the status lines and control texts shown so far.
void ForgetShown();

}  // namespace platform::headless
