#include "platform/headless/headless.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include "platform/dialog_items.h"
#include "platform/window.h"

namespace platform::headless {
namespace {

bool boxesMuted = false;
std::vector<ShownBox> boxes;
std::map<std::pair<const Window*, int>, std::string> itemTexts;

// The message alone, as the player would read it in the box.
void PrintBox(std::string text) {
  std::replace(text.begin(), text.end(), '\r', '\n');
  std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace

void MuteBoxes(bool muted) { boxesMuted = muted; }
const std::vector<ShownBox>& Boxes() { return boxes; }

std::optional<std::string> ItemText(const Window* dialog, int item) {
  const auto found = itemTexts.find({dialog, item});
  if (found == itemTexts.end()) return std::nullopt;
  return found->second;
}

void ForgetShown() {
  boxes.clear();
  itemTexts.clear();
}

}  // namespace platform::headless

namespace platform {

using namespace headless;

int RunBox(Window* owner, const DialogLayout& layout, BoxIcon icon, const char* caption,
           const char* text) {
  boxes.push_back({icon, caption, text, owner, &layout});
  if (!boxesMuted) PrintBox(text);
  return 1;
}

void SetItemText(Window* dialog, int item, const char* text) {
  itemTexts[{dialog, item}] = text;
}

// Without a screen there is no window to own a box.
Window* OwnerWindow(QWidget*) { return nullptr; }
QWidget* WindowWidget(Window*) { return nullptr; }

}  // namespace platform
