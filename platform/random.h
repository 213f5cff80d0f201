// The program's one random generator: a linear congruential generator with 15-bit results.
#pragma once

#include <cstdint>

void SeedRandom(uint32_t seed);
// The next value, 0 to 32767.
int32_t Random15();
