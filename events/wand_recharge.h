// Wand recharge: a merchant who adds charges to the hero's wands, one per paid click.
#pragma once

#include <array>
#include <cstdint>

void RunRechargeWandServiceEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);

// The wands of one visit, in parallel entries; -1 where there is none.
struct WandList {
    std::array<int16_t, 12> instance, item, x, charges;
};
// The backpack, then the bag of holding when owned, column by column and rows 0..7: the top
// cell of each wand two cells tall; the first twelve.
WandList CollectWands();
// The recharge screen; returns on "Done".
void RunWandRecharge();
