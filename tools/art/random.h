#pragma once

#include <cstdint>

namespace kestravane::art {

// The artwork's own random source (SplitMix64). Every picture and sound seeds
// its own instance with a fixed number, so a regenerated set is byte for byte
// the set in the repository on any machine and any standard library.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // A whole number in [0, bound).
  int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }

  // A number in [0, 1) with 53 significant bits.
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

 private:
  std::uint64_t state_;
};

}  // namespace kestravane::art
