// Monster attacks on the hero and what they leave.
#pragma once

#include <cstdint>

// Hit points below 1 become 0.
void ClampHitPoints();
// The luck charms worn, 0..3.
int16_t CountLuckCharms();
