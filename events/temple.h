// The temple: blessing, healing and cures.
#pragma once

#include <cstdint>

// Bump handlers (the dispatcher's shape).
void RunTempleEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
