// The light pickers of item, key-item and monster numbers, drawn over the event dialog of
// square (x, y) whose type is passed as type - 1226 (-1: no dialog behind).
#pragma once

#include <array>
#include <cstdint>

// The keys a "Key required" field offers, in their order; -1 is no key.
extern const std::array<int16_t, 22> KeyItemList;

// Opens showing `first`; the arrows stop at 230 while limited, else at 713. Returns the
// shown item on "Select", `current` on "Quit".
int16_t PickItem(int16_t x, int16_t y, int16_t current, int16_t first, int16_t typeOffset, int16_t limited);
// Opens showing `first` at the key list's first place and steps through the list.
int16_t PickKeyItem(int16_t x, int16_t y, int16_t current, int16_t first, int16_t typeOffset, int16_t limited);
// Opens showing `current`.
int16_t PickMonster(int16_t x, int16_t y, int16_t current, int16_t typeOffset);
void DrawItemPicker(int16_t x, int16_t y, int16_t shown, int16_t typeOffset, uint32_t flip);
void DrawMonsterPicker(int16_t x, int16_t y, int16_t shown, int16_t typeOffset, uint32_t flip);
