// The "Load Level" page.
#pragma once

#include <cstdint>

// Draws the page (panel, the ten levels of the page, "Prev", "Next", "Page:", "Cancel").
void PickLevel(int16_t page, int16_t flip, int16_t mark);
