#include "engine/gauge.h"

#include <gtest/gtest.h>

using namespace kestravane;

namespace {

Gauge MakeGauge(int value, int maximum) {
  Gauge gauge;
  gauge.Minimum = 0;
  gauge.Maximum = maximum;
  gauge.Value = value;
  return gauge;
}

}  // namespace

TEST(Gauge, SetValueClampsToTheRange) {
  Gauge gauge = MakeGauge(10, 100);
  SetGaugeValue(gauge, -5);
  EXPECT_EQ(gauge.Value, 0);
  SetGaugeValue(gauge, 110);
  EXPECT_EQ(gauge.Value, 100);
  SetGaugeValue(gauge, 42);
  EXPECT_EQ(gauge.Value, 42);
}

TEST(Gauge, StepsStopAtTheLimits) {
  Gauge empty = MakeGauge(0, 50);
  EXPECT_FALSE(GaugeDown(empty));
  EXPECT_EQ(empty.Value, 0);
  EXPECT_TRUE(GaugeUp(empty));
  EXPECT_EQ(empty.Value, 1);

  Gauge full = MakeGauge(50, 50);
  EXPECT_FALSE(GaugeUp(full));
  EXPECT_EQ(full.Value, 50);
  EXPECT_TRUE(GaugeDown(full));
  EXPECT_EQ(full.Value, 49);
}

TEST(Gauge, ARangeTurnedUpsideDownHoldsTheMinimum) {
  Gauge gauge = MakeGauge(5, 3);
  gauge.Minimum = 4;
  SetGaugeValue(gauge, 10);
  EXPECT_EQ(gauge.Value, 4);
}
