// Monster attacks on the hero and what they leave.
#pragma once

#include <cstdint>

// Keeps the hero's hit points within their bounds after damage.
void ClampHitPoints();
// The luck charms worn, 0..3.
int16_t CountLuckCharms();
