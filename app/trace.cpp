#include "app/trace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace kestravane {

void TraceEvent(const char* event) {
  static const bool tracing = std::getenv("KESTRAVANE_TRACE") != nullptr;
  if (!tracing) return;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const long long nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
  std::fprintf(stderr, "%s %lld\n", event, nanoseconds);
}

}  // namespace kestravane
