#include "monster_meeting.h"

void RunMonsterEventMeeting(int16_t, int16_t, int16_t) {}
void ClearWornDisguises() {}
