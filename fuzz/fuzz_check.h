#pragma once

#include <cstdlib>

// A broken promise is a crash, which the fuzzer reports with its input.
inline void Check(bool condition) {
  if (!condition) std::abort();
}
