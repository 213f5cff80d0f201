// The quest template: a ready-made quest conversation written into a script slot.
#pragma once

#include <cstdint>

// Writes the template's 57 lines into the script in `slot`. With flag 1 (a script that was
// already there) its title and every line are emptied first; with flag 0 the slot holds the
// fresh script of CreateScript. Nothing for an empty slot.
void MakeQuestTemplateScript(int16_t slot, int16_t flag);
