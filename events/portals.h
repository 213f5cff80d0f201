// Portals.
#pragma once

#include <cstdint>

void DigAtDigPortal(int16_t x, int16_t y, int16_t dx, int16_t dy);
