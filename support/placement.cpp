#include "support/placement.h"

#include <algorithm>

void StorePlacement(platform::Window* window, Placement& placement) {
  const platform::Rect frame = platform::NormalFrame(window);
  placement.Top = frame.top;
  placement.Left = frame.left;
  placement.Height = std::max(0, frame.bottom - frame.top);
  placement.Width = std::max(0, frame.right - frame.left);
}
