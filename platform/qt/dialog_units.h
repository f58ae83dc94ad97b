#pragma once

#include <QFont>
#include <QRect>

#include "platform/dialog_layout.h"

namespace platform {

// The font a layout names. The classic bitmap faces are not on this system;
// DejaVu Sans at the same point size takes their place, and since every
// dialog unit follows the font, the layouts keep their proportions.
QFont ToQFont(const DialogFont& font);

// Converts dialog units to pixels: a horizontal unit is a quarter of the
// font's average letter width, a vertical unit an eighth of its height.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);

  int baseX() const { return baseX_; }
  int baseY() const { return baseY_; }
  int HorizontalPixels(int units) const { return units * baseX_ / 4; }
  int VerticalPixels(int units) const { return units * baseY_ / 8; }
  QRect Pixels(const UnitRect& units) const;

 private:
  int baseX_;
  int baseY_;
};

}  // namespace platform
