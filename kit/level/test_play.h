// Test play: the level being edited walked with a saved hero through the real adventure loop.
#pragma once

#include <cstdint>

// Saves the level as level n, lets the author choose a saved hero, plays from the centre of
// the editor's window, and puts level n back into memory afterwards.
void TestLevel(int16_t n, int16_t viewX, int16_t viewY);
