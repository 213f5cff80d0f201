// Item prices: not stored in the item table but computed from the type, the item number,
// the instance's power X and charges Y, and whether its curse is known.
#pragma once

#include <cstdint>

constexpr int32_t kHighestPrice = 32767;

// Gold pieces, 1..32767. Computed in 32 bits; a value past 32,767 is held there rather than
// wrapping into a nonsense price.
int32_t ItemValue(int16_t type, int16_t item, int16_t x, int16_t y, uint32_t curseKnown);
// What the hero is paid for an item of that price, by his current Perception.
int32_t ItemSellPrice(int32_t price, int16_t type);
