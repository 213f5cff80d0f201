// The event editor frame: the dialog of the event on one square.
#pragma once

#include <cstdint>

// Edits the event on square (x, y) in place until the author leaves. Erasing the event
// empties the level editor's clipboard, whose valid flag comes by reference.
void RunEventEditor(int16_t x, int16_t y, uint32_t& clipValid);
