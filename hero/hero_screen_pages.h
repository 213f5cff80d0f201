// Drawing the hero screen: the figure with its slots on the left, and on the right the page
// the tabs choose: 0 Stats, 1 Skills, then Lore (only once lore is known), the backpack and
// the bag of holding (only when owned).
#pragma once

#include <cstdint>

// 1 when any lore has been learnt.
int IsLoreKnown();
// The page numbers that move with the Lore page.
int16_t BackpackPage();
int16_t BagPage();

// The whole screen for a page; the Lore and inventory pages always flip.
void DrawHeroScreen(int16_t page, int16_t flip);
