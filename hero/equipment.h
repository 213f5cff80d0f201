// The backpack, bag and equipment slots as the hero screen handles them.
#pragma once

#include <cstdint>

// The instance held on the mouse cursor; -1 none.
extern int16_t CursorItem;
// Set when worn items changed the hero's form; the hero screen closes.
extern uint32_t FormChangePending;

// An instance's picture with its marks at (x, y).
void DrawInstance(int16_t instance, int16_t x, int16_t y);
// Right-click information on a carried instance (keyring, gem bag, else the item panel).
void InspectBackpackItem(int16_t instance);
void ShowKeyring();
void RunGembag();
