// The picture pickers of the monster editor, which the event dialogs use too.
#pragma once

#include <cstdint>

// An NPC or monster picture, opened on `current`; returns `current` when left with "Done".
int16_t PickNpcPicture(int16_t current, int16_t singleSquareOnly);
