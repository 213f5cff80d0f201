// Meeting a dormant monster.
#pragma once

#include <cstdint>

void RunMonsterEventMeeting(int16_t x, int16_t y, int16_t e);
// Ends every worn disguise.
void ClearWornDisguises();
