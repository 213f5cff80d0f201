// Meeting a dormant monster, and the end of disguises.
#pragma once

#include <cstdint>

// The MONSTER EVENT's page for encounter e met on (x, y); "Attack!" wakes it for good.
void RunMonsterEventMeeting(int16_t x, int16_t y, int16_t e);
void WakeDormantMonster(int16_t e);
// Ends every disguise the hero wears.
void ClearWornDisguises();
