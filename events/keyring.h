// The keyring: item numbers of the keys the hero holds (keys have no instances).
#pragma once

#include <cstdint>

// Stores the key in the first free entry: 1 stored, 0 when the ring is full (nothing is
// said).
int AddKeyToKeyring(int16_t item);
