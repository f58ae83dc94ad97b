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

}  // namespace kestravane
