#pragma once

#include <cstdint>

namespace kestravane {

// The game's random source: the classic linear congruential generator, so
// that a game number always gives the same universe, draw for draw.
class RandomSource {
 public:
  explicit RandomSource(std::uint32_t seed = 1) : state_(seed) {}

  void Seed(std::uint32_t seed) { state_ = seed; }
  // The seed that gives the draws to come: a new game's universe number.
  std::uint32_t State() const { return state_; }

  // Next draw, 0..32767.
  int Draw();

  // A draw from 0 to n inclusive (the draw modulo n + 1).
  int UpTo(int n) { return Draw() % (n + 1); }

 private:
  std::uint32_t state_;
};

// The random seed for a start at `calendarSeconds`: its low 16 bits, the
// range the game's seeds have always had.
constexpr std::uint32_t RandomSeedFor(std::int64_t calendarSeconds) {
  return static_cast<std::uint32_t>(calendarSeconds & 0xFFFF);
}

}  // namespace kestravane
