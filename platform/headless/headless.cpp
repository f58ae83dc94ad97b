#include "platform/headless/headless.h"

#include <cerrno>
#include <cstdio>
#include <map>
#include <utility>

#include "platform/cursor.h"
#include "platform/resources.h"
#include "platform/dialog_items.h"
#include "platform/status_line.h"
#include "platform/window.h"

namespace platform::headless {
namespace {

bool statusShown = false;
std::vector<std::string> statusLines;
std::map<std::pair<const Window*, int>, std::string> itemTexts;

}  // namespace

void ShowStatusLines(bool shown) { statusShown = shown; }
const std::vector<std::string>& StatusLines() { return statusLines; }

std::optional<std::string> ItemText(const Window* dialog, int item) {
  const auto found = itemTexts.find({dialog, item});
  if (found == itemTexts.end()) return std::nullopt;
  return found->second;
}

void ForgetShown() {
  statusLines.clear();
  itemTexts.clear();
}

}  // namespace platform::headless

namespace platform {

using namespace headless;

bool StatusLineVisible() { return statusShown; }

void SetStatusText(const char* text) {
  statusLines.emplace_back(text);
  std::fprintf(stderr, "%s\n", text);
}

void SetItemText(Window* dialog, int item, const char* text) {
  itemTexts[{dialog, item}] = text;
}

// Without a screen there is no window to own a box or to close before one.
Window* MainWindow() { return nullptr; }
QWidget* WindowWidget(Window*) { return nullptr; }
void CloseWindowsBeforeBox() {}

// The artwork is embedded by the Qt platform; without it there is none.
Result<std::vector<std::uint8_t>> ResourceBytes(ResourceKind, unsigned) {
  return Result<std::vector<std::uint8_t>>::Failure(ENOENT);
}

void BeginWaitCursor() {}
void EndWaitCursor() {}

// A pause only paces what the player watches; with nothing on a screen the
// game goes straight on.

}  // namespace platform
