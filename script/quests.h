// Quest states and the quest lists.
#pragma once

#include <cstdint>

// Quest q (0..199) to state s (0 inactive, 1 active, 2 complete, 3 cancelled).
void SetQuestState(int16_t q, int16_t s);
// While questA is active: questA completed (when above 0), then questB active (when above 0).
void AdvanceQuestChain(int16_t questA, int16_t questB);
