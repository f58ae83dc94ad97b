#pragma once

#include <cstdint>

// The game's one random source: the classic linear congruential generator,
// so that a game number always gives the same universe, draw for draw.

void SeedRandom(std::uint32_t seed);

// Next draw, 0..32767.
int RandomDraw();

// A draw from 0 to n inclusive (the draw modulo n + 1).
int RandomUpTo(int n);
