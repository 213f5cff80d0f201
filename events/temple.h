// The temple: blessing, healing and the cures of body and mind, at the program's own prices.
#pragma once

#include <cstdint>

void RunTempleEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);

struct TemplePrices {
    int32_t body, mind;
};
// The cures' prices, added up over the afflictions present.
TemplePrices TempleCurePrices();
struct TempleNeeds {
    bool mind, body;
};
TempleNeeds TempleAfflictions();

// One page each; the cure happens on "Yes" when the gold suffices.
void RunTempleBlessing(int32_t price);
void RunTempleHealing(int32_t price);
void RunTempleRestoreMind(int32_t price, bool needed);
void RunTempleRestoreBody(int32_t price, bool needed);
