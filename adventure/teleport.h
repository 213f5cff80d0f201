// Moving the hero to another square or level.
#pragma once

#include <cstdint>

// Puts the hero on (x, y) of the level, loading it and its encounters when it differs from the
// current one; unless noCheck, a solid target square kills the hero. The second word is unused.
void TeleportHero(int16_t level, int16_t unused, int16_t x, int16_t y, int16_t noCheck);
