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

}  // namespace kestravane
