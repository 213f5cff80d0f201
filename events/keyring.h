// The keyring: item numbers of the keys the hero holds (keys have no instances).
#pragma once

#include <cstdint>

// Stores the key in the first free entry; a full ring takes nothing and says nothing.
void AddKeyToKeyring(int16_t item);
