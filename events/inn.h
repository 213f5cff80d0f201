// The inn: a night's rest, food and drinks, the bar brawl; and the aura choice.
#pragma once

#include <cstdint>

void RunInnEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// 1 when the night was bought (and slept), 0 when the gold was short.
int RunInnRoom(int16_t cost);
void BuyInnFood();
// One drink; counter is the visit's count of drinks. 1 when it started the brawl.
int OrderInnDrink(int16_t drinksToBrawl, int16_t cost, int16_t& counter, int16_t brawlFlag);
// The hero picks the aura he keeps active; Esc leaves none.
void ChooseAura();
