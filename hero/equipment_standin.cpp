#include "equipment.h"

int16_t CursorItem = -1;
uint32_t FormChangePending = 0;

void DrawInstance(int16_t, int16_t, int16_t) {}
void InspectBackpackItem(int16_t) {}
void ShowKeyring() {}
void RunGembag() {}
