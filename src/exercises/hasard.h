#pragma once
// The random generator of the exercises: a 32-bit linear congruential
// generator whose whole state is its seed, so that a run can be replayed
// from a known seed.

#include <cstdint>

extern std::uint32_t RandSeed;

// Seeds the generator from the clock, before every exercise.
void Randomize();
