// The picture pickers of the monster editor, which the event dialogs use too.
#pragma once

#include <cstdint>

// A monster picture (the first of its four facings), opened on its first page; returns
// `current` when left with "Done".
int16_t PickMonsterPicture(int16_t current);
// An NPC or monster picture, opened on `current`; returns `current` when left with "Done".
// The pages hold one-square pictures only, whatever singleSquareOnly says.
int16_t PickNpcPicture(int16_t current, int16_t singleSquareOnly);

// The picker's screen on a page: monster pages 0..5 (Pg1..Pg5, Custom), NPC pages 1..5, 13,
// 14 and 20.
void DrawMonsterPicturePicker(int16_t page, int16_t flip);
void DrawNpcPicturePicker(int16_t page, int16_t flip);
