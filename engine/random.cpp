#include "engine/random.h"

namespace kestravane {

int RandomSource::Draw() {
  state_ = state_ * 214013u + 2531011u;
  return static_cast<int>((state_ >> 16) & 0x7FFF);
}

}  // namespace kestravane
