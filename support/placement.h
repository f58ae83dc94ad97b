#pragma once

#include <cstdint>

class QWidget;

namespace kestravane {

// A window's remembered position. Only Top and Left place a window (the main
// window and the dialogs keep their own size); Height and Width are kept up
// to date for whoever edits the file, and Show rides along unchanged.
struct Placement {
  std::int32_t Top = 0;
  std::int32_t Left = 0;
  std::int32_t Height = 0;
  std::int32_t Width = 0;
  std::int32_t Show = 0;

  bool operator==(const Placement&) const = default;
};

// Stores the window's restored place on the desktop; Show stays as it was.
void StorePlacement(const QWidget* window, Placement& placement);

}  // namespace kestravane
