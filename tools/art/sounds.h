#pragma once

#include <cstdint>
#include <vector>

namespace kestravane::art {

// The four sound effects, as 16-bit samples at the wave writer's rate.
std::vector<std::int16_t> MissileLaunchSound();     // 2000: a rising whoosh
std::vector<std::int16_t> EnginesEngagedSound();    // 2001: a hum that spins up
std::vector<std::int16_t> ShipDestroyedSound();     // 2002: an explosion
std::vector<std::int16_t> WastedShotSound();        // 2003: a dull thud

}  // namespace kestravane::art
