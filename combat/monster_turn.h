// The monsters' turn.
#pragma once

#include <cstdint>

// The encounter whose blow is on screen (drawn in its attack pose); -1 none.
extern int16_t StrikingEncounter;

// Every monster of the window acts; force makes slow monsters act too.
void RunMonsterTurns(int16_t force);
