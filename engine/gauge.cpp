#include "engine/gauge.h"

#include <algorithm>

namespace kestravane {

void SetGaugeValue(Gauge& gauge, int value) {
  // Not std::clamp: a gauge whose maximum fell below its minimum must still
  // end at the minimum rather than be undefined.
  gauge.Value = std::max(gauge.Minimum, std::min(value, gauge.Maximum));
}

bool GaugeUp(Gauge& gauge) {
  if (gauge.Value >= gauge.Maximum) return false;
  SetGaugeValue(gauge, gauge.Value + 1);
  return true;
}

bool GaugeDown(Gauge& gauge) {
  if (gauge.Value <= gauge.Minimum) return false;
  SetGaugeValue(gauge, gauge.Value - 1);
  return true;
}

int GaugeFill(const Gauge& gauge, int barWidth) {
  // The cleared records of a closed game have no range; dividing by it would
  // make the scale infinite.
  if (gauge.Maximum <= gauge.Minimum) return 0;
  const float scale = static_cast<float>(static_cast<double>(barWidth) /
                                         (static_cast<double>(gauge.Maximum) - gauge.Minimum));
  return static_cast<int>(static_cast<double>(gauge.Value) * static_cast<double>(scale));
}

}  // namespace kestravane
