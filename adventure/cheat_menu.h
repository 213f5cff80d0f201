// The cheat menu's switches, which live outside the saved game.
#pragma once

#include <cstdint>

// The flag number the flag monitor shows; -1 none.
extern int16_t MonitoredFlag;
// 1 while monsters do not act.
extern uint32_t FreezeMonsters;

// The cheat menu (Ctrl+U in play).
void RunCheatMenu();
