#pragma once

#include <cstdint>

namespace kestravane {

// A counted resource (missiles, fuel), shown as a bar in its panel.
struct Gauge {
  std::int32_t Minimum = 0;
  std::int32_t Maximum = 0;
  std::int32_t Value = 0;
};

// Stores `value` clamped to the gauge's range.
void SetGaugeValue(Gauge& gauge, int value);

// One step up or down; false when the gauge is already at its limit.
// Spending a missile or a fuel unit is a GaugeDown, so false means the
// resource is gone.
bool GaugeUp(Gauge& gauge);
bool GaugeDown(Gauge& gauge);

// Columns of a bar `barWidth` pixels wide that the gauge's value fills. The
// scale is kept in single precision, as the game always has, so a full bar
// may stop one column short: a full missile bar fills 60 of its 61 columns.
// A gauge without a range (Maximum not above Minimum) fills nothing.
int GaugeFill(const Gauge& gauge, int barWidth);

}  // namespace kestravane
