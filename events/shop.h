// The shop: eight stock lines bought without limit, the sell screen where carried items are
// dropped onto a chest, and the sale of the gem bag.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "data/level.h"

void RunShopEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// The shop screen of the SHOP EVENT on (x, y); returns on "Done".
void RunShop(int16_t x, int16_t y);

// A stock line: item 1..713 and its X and Y; any other item number is an empty line (item -1).
struct StockLine {
    int16_t item, x, y;
};
StockLine ShopStockLine(const EventRecord& shop, int16_t line);
// The price of a line by the shop's cost modifier, in 32 bits and never below 0.
int32_t ShopPrice(const EventRecord& shop, int16_t line);
void DrawShopScreen(const EventRecord& shop, int16_t selected, uint32_t flip);
// One unit of the line, with the refusals' messages over the shop screen.
void BuyShopItem(const EventRecord& shop, int16_t line);

// The sell screen over the backpack (page 0) or the bag (page 1), without the held item; no flip.
void DrawSellScreen(int16_t page);
// Drop onto the chest to sell; cannot be left while an item is held.
void RunSellScreen();
// What the shop pays for each gem of the gem bag, items 20..28.
extern const std::array<int16_t, 9> GemSalePrices;
void SellAllGems();
// The loose gems of the backpack (in full) and of the bag of holding (a hundredth).
void SellGemItems();

// The merchants' list rows: row i's button (8 pieces at (55, 100 + 22i)), its number at
// (40, 105 + 22i) when numbered, and the two pointers when it is selected.
void DrawMerchantRow(int16_t row, std::string_view label, bool numbered, bool selected);
// The row clicked this pass (area (50, 100 + 22i), hotkeys '1'.. for the first numberedRows)
// among those that hold something; -1 when none was.
int16_t ClickedMerchantRow(std::span<const bool> stocked, int16_t numberedRows);
