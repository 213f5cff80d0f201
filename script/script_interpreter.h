// The script interpreter.
#pragma once

#include <cstdint>

// Runs script slot `script` (0..29) of the current level for the event on (x, y), until a
// code leaves or line 399 has run. An empty slot or one outside the table shows a box and
// runs nothing.
void RunScript(int16_t script, int16_t x, int16_t y);
// Sets line to the first marker line (code 5) with that mark; when there is none, shows
// "ERROR: mark not found!" and leaves line alone. 1 when found.
int FindScriptMark(int16_t mark, int16_t& line, int16_t script);
// Hands over the last item owed on (x, y) of this level. 1 when one was given.
int GivePendingItem(int16_t x, int16_t y);

// Lines a run may take without asking the player before it is stopped as endless.
constexpr int32_t kRunawayLines = 100'000;
