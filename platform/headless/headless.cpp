#include "platform/headless/headless.h"

#include <algorithm>
#include <cstdio>

#include "platform/cursor.h"
#include "platform/status_line.h"

namespace platform::headless {
namespace {

bool statusShown = false;
bool boxesMuted = false;
std::vector<ShownBox> boxes;
std::vector<std::string> statusLines;

void PrintBox(const char* caption, std::string text) {
  std::replace(text.begin(), text.end(), '\r', '\n');
  std::fprintf(stderr, "%s: %s\n", caption, text.c_str());
}

}  // namespace

void ShowStatusLines(bool shown) { statusShown = shown; }
void MuteBoxes(bool muted) { boxesMuted = muted; }
const std::vector<ShownBox>& Boxes() { return boxes; }
const std::vector<std::string>& StatusLines() { return statusLines; }

void ForgetShown() {
  boxes.clear();
  statusLines.clear();
}

}  // namespace platform::headless

namespace platform {

using namespace headless;

int RunBox(Window*, std::span<const std::uint8_t>, BoxIcon icon, const char* caption,
           const char* text) {
  boxes.push_back({icon, caption, text});
  if (!boxesMuted) PrintBox(caption, text);
  return 1;
}

void StockErrorBox(const char* caption, const char* text) {
  boxes.push_back({BoxIcon::Error, caption, text});
  if (!boxesMuted) PrintBox(caption, text);
}

bool StatusLineVisible() { return statusShown; }

void SetStatusText(const char* text) {
  statusLines.emplace_back(text);
  std::fprintf(stderr, "%s\n", text);
}

void BeginWaitCursor() {}
void EndWaitCursor() {}

}  // namespace platform
