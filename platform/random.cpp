#include "random.h"

namespace {
uint32_t RandomState = 1;
}

void SeedRandom(uint32_t seed) { RandomState = seed; }

int32_t Random15() {
    RandomState = RandomState * 214013u + 2531011u;
    return int32_t((RandomState >> 16) & 0x7FFF);
}
