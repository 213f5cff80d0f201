#include "cheat_menu.h"

int16_t MonitoredFlag = -1;
uint32_t FreezeMonsters = 0;

void RunCheatMenu() {}
