// The keyring: item numbers of the keys the hero holds (keys have no instances).
#pragma once

#include <cstdint>

// Stores the key in the first free entry (a key already held is stored again): 1 stored, 0 when
// the ring is full (nothing is said).
int AddKeyToKeyring(int16_t item);
// 1 when one of the 25 entries holds the item.
int KeyringHas(int16_t item);
