// Pushing a monster, fast travel between the city's districts, and the item event on the
// hero's square after the hero screen.
#pragma once

#include <cstdint>

// The P button's prompt: a direction pushes the monster there one square away. No turn.
void PushMonster();
void PushAt(int16_t x, int16_t y, int16_t dx, int16_t dy);
void TryPushMonster(int16_t x, int16_t y, int16_t encounter, int16_t dx, int16_t dy);
void MoveMonsterByPush(int16_t x, int16_t y, int16_t encounter, int16_t dx, int16_t dy);

// 1 when fast travel is allowed here now; otherwise shows why not.
int CanFastTravel();
// The district menu; a district teleports the hero there. No turn.
void FastTravelMenu();

// After the hero screen: the USE ITEM FROM BACKPACK EVENT of the hero's square, for the item
// just used. The item in use is forgotten either way.
void CheckUseItemEvent();
void RunUseItemFromBackpackEvent(int16_t x, int16_t y);
void ShowUseItemText(int16_t x, int16_t y);
