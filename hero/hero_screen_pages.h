// Drawing the hero screen: the figure with its slots on the left, and on the right the page
// the tabs choose: 0 Stats, 1 Skills, then Lore (only once lore is known), the backpack and
// the bag of holding (only when owned).
#pragma once

#include <cstdint>

#include "hero/item_instances.h"

// 1 when any lore has been learnt.
int IsLoreKnown();
// The page numbers that move with the Lore page.
int16_t BackpackPage();
int16_t BagPage();
// The number of pages, for the given lore state.
int16_t HeroPageCount(int loreKnown);

// The whole screen for a page; the Lore and inventory pages always flip.
void DrawHeroScreen(int16_t page, int16_t flip);
void DrawHeroTabs(int16_t page);
void DrawBeaconIcon();
void DrawSlotMarks();
void DrawTattoos();
void DrawChargePips(int16_t x, int16_t y, int16_t charges, int16_t skill);
void DrawResistPanel(int16_t x, int16_t y);
void DrawDefencePanel(int16_t x, int16_t y);
void DrawPursePanel(int16_t x, int16_t y);
void DrawLorePage(int16_t page, int16_t flip);
void DrawBackpackPage(int16_t page, int16_t flip);
void DrawBagPage(int16_t page, int16_t flip);

// The empty-cell tiles of a grid of columns x rows, cell (col, row) at (x + 31 col, y + 31 row).
void DrawEmptyCells(int16_t x, int16_t y, int16_t columns, int16_t rows);
// Each item of a 9 x 9 grid once, at its top-left cell; cell (col, row) at (x + 31 col, y + 31 row).
void DrawGridItems(ItemGrid grid, int16_t x, int16_t y);

// One pass of right-click tests over the tattoo row (80, 420, 257 x 32); 1 when a box showed.
int HandleTattooClicks(int16_t page);
void ShowTattooInfo(int16_t tattoo, int16_t page);
