#include "engine/random.h"

namespace {

std::uint32_t randomState = 1;

}  // namespace

void SeedRandom(std::uint32_t seed) { randomState = seed; }

int RandomDraw() {
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 0x7FFF);
}

int RandomUpTo(int n) { return RandomDraw() % (n + 1); }
