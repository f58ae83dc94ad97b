#include <gtest/gtest.h>

#include <ctime>

#include "platform/system.h"
#include "support/timing.h"

namespace {

double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

TEST(WaitSeconds, HoldsForTheWholeTimeByTheTickCounterWithoutSpinning) {
  const std::uint32_t start = platform::TickCount();
  const double cpuAtStart = ThreadCpuMs();
  WaitSeconds(1);
  EXPECT_GE(platform::TickCount() - start, 1000u);
  // Spinning would burn about the whole second.
  EXPECT_LT(ThreadCpuMs() - cpuAtStart, 200.0);
}

}  // namespace
