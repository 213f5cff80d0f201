// Text, sign and symbol events.
#pragma once

#include <cstdint>

void RunPushTextEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// The STEP TEXT EVENT under the hero after his step (dx, dy); shown = 1 when its screen showed.
void RunStepTextEvent(int16_t x, int16_t y, int& shown, int16_t dx, int16_t dy);
// The STEP TEXT page of (x, y): Text[0] or Text[1], the quest and experience lines under the
// text, "Leave"; flips.
void ShowQuestChange(int16_t x, int16_t y, int16_t thenBranch, int16_t quest1, int16_t state1, int16_t quest2,
                     int16_t state2, int16_t xp, int16_t page);
void RunRuneEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunHieroglyphEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunHeraldrySignEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
