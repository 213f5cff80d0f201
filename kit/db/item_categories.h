// The item editor's 33 category tabs: the items each one lists, the blocks of the two list
// pages, and the weapon and armour classes of item types.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

constexpr int16_t kItemCategoryCount = 33;
constexpr int16_t kItemListLength = 40;
// Categories from here on show blocks of 16 items on a list page.
constexpr int16_t kQuestCategory = 31;
constexpr int16_t kCustomCategory = 32;

// Per category its items in the order shown, -1 after the last; the list pages hold the first
// item of each block.
extern const std::array<std::array<int16_t, kItemListLength>, kItemCategoryCount> ItemCategoryLists;
extern const std::array<std::string_view, kItemCategoryCount> ItemCategoryLabels;

int IsWeaponItemType(int16_t type);
int IsArmourItemType(int16_t type);
inline int IsListCategory(int16_t category) { return category >= kQuestCategory; }

// The cells a block's page shows in its right column (the left always shows 8).
int16_t BlockRightCells(int16_t firstItem);

// The item-number entry's lookup: a number inside a block shows the block (item becomes its
// first item), else the first place in the ordinary lists 0..29 gives category and position.
// 0 when neither holds; then nothing is changed.
int FindItemCategory(int16_t& item, int16_t& category, int16_t& position);
