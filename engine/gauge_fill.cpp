#include "engine/gauge_fill.h"

namespace kestravane {

int GaugeFill(const Gauge& gauge, int barWidth) {
  // The cleared records of a closed game have no range; dividing by it would
  // make the scale infinite.
  if (gauge.Maximum <= gauge.Minimum) return 0;
  const float scale = static_cast<float>(static_cast<double>(barWidth) /
                                         (static_cast<double>(gauge.Maximum) - gauge.Minimum));
  return static_cast<int>(static_cast<double>(gauge.Value) * static_cast<double>(scale));
}

}  // namespace kestravane
