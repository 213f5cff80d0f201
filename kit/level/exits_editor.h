// The "DEFINE EXITS" dialog: for each map edge, the level entered, the flag condition that
// sends the hero elsewhere, and fixed coordinates. Edits the current level in place.
#pragma once

#include <cstdint>

void RunExitsEditor();
void DrawExitsEditor(int16_t flip);
