#pragma once

#include <cstdint>

// The virtual-key number of an SDL scancode on a US layout; 0 for keys the game never reads.
int32_t VirtualKeyOfScancode(int32_t scancode);
// Shift, Ctrl and Alt have a generic key besides their left and right ones.
int32_t GenericVirtualKey(int32_t virtualKey);
