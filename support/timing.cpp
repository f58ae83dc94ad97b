#include "support/timing.h"

#include <chrono>
#include <cstdint>
#include <thread>

#include "platform/system.h"

void WaitSeconds(int seconds) {
  if (seconds <= 0) return;
  const std::uint64_t wanted = static_cast<std::uint64_t>(seconds) * 1000;
  // A sleep may end early or late; the tick counter decides. Adding up the
  // differences keeps the count right across the counter's wrap-around.
  std::uint64_t waited = 0;
  std::uint32_t last = platform::TickCount();
  while (waited < wanted) {
    std::this_thread::sleep_for(std::chrono::milliseconds(wanted - waited));
    const std::uint32_t now = platform::TickCount();
    waited += static_cast<std::uint32_t>(now - last);
    last = now;
  }
}
