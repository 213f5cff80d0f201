#include "kit/db/item_categories.h"

#include <algorithm>
#include <initializer_list>

namespace {

using ItemList = std::array<int16_t, kItemListLength>;

// A run of item numbers first..last; a single number is a run of one.
struct Run {
    int16_t first, last;
    constexpr Run(int16_t n) : first(n), last(n) {}  // NOLINT(google-explicit-constructor)
    constexpr Run(int16_t a, int16_t b) : first(a), last(b) {}
};

constexpr ItemList List(std::initializer_list<Run> runs) {
    ItemList list{};
    for (int16_t& entry : list) entry = -1;
    size_t at = 0;
    for (const Run& run : runs)
        for (int16_t n = run.first; n <= run.last; ++n) list[at++] = n;
    return list;
}

// The ranges the item-number entry maps to a block; 627's block is one longer than its page.
struct Block {
    int16_t first, last, category;
};
constexpr std::array<Block, 12> kBlocks = {{{455, 470, kQuestCategory},
                                            {471, 486, kQuestCategory},
                                            {487, 502, kQuestCategory},
                                            {503, 518, kQuestCategory},
                                            {519, 534, kQuestCategory},
                                            {535, 550, kQuestCategory},
                                            {551, 566, kQuestCategory},
                                            {567, 582, kQuestCategory},
                                            {583, 598, kQuestCategory},
                                            {599, 610, kQuestCategory},
                                            {611, 626, kCustomCategory},
                                            {627, 643, kCustomCategory}}};
constexpr int16_t kShortBlock = 599;

// The Alien list (30) is left out of the entry's search.
constexpr int16_t kSearchedCategories = 30;

}  // namespace

constinit const std::array<ItemList, kItemCategoryCount> ItemCategoryLists = {
    List({{30, 37}, 153, 154, 155}),
    List({{442, 454}}),
    List({{434, 441}, 433}),
    List({{38, 49}, 180}),
    List({56, 57, 58, 59, 91, 104, 105, 112}),
    List({{148, 152}}),
    List({429, 430, 431, 432, {251, 255}}),
    List({{208, 223}}),
    List({403, 404, 643, {256, 260}}),
    List({60, 61, 62, 63, 90, 106, 107, 113}),
    List({{20, 29}}),
    List({231, 232, {416, 421}, 423, 424, 425, 114, 115, 116, 203, 204, 205, 185}),
    List({{299, 313}, 318, {320, 323}, 147, 89, 314}),
    List({{82, 88}, 428, 121, 122, 123, {197, 200}}),
    List({{98, 103}, 143, 144, 145}),
    List({{1, 10}, 156, 195, 120, 201, 202, 688, 690}),
    List({{11, 19}, 93}),
    List({{66, 75}, 50, 51, 175, 689}),
    List({{405, 410}, 414, 427, 415, {644, 652}, 655}),
    List({94, 248, 234, 235, 335, 95, 96, 236, 187}),
    List({{261, 270}, 244, 245, 290, 297}),
    List({157, {273, 289}, {291, 296}, 298, 317}),
    List({{325, 334}, {336, 347}, 349, 350, 348}),
    List({{351, 356}, {358, 376}}),
    List({{377, 397}, 411, 412, 413}),
    List({{108, 111}, 653, 654}),
    List({142, 141, 139, 140, 271, 272, 324, 401, 247, 249, 250, 117, 118, 119, 196, {224, 227}, {237, 242}, 319,
          243, 237, 177, 595}),
    List({54, 55, 189, 191, 190, 178, 124, 192, 194, 193, 609, 610, 511, 512, 513, 554}),
    List({76, {130, 137}, {125, 129}, 52, 53, 146, 179, 181, 207, 206, 230, {77, 81}, 176}),
    List({182, 183, 188, 184, 186, 357}),
    List({64, 65, 426, 228, 229, 357}),
    List({455, 471, 487, 503, 519, 535, 551, 567, 583, 599}),
    List({656, 672, 611, 627}),
};

const std::array<std::string_view, kItemCategoryCount> ItemCategoryLabels = {
    "Amulets", "Armour1", "Armour2", "Belts",   "Boots",   "Books",    "Bows",    "Chemical", "Crossbow",
    "Gloves",  "Gems",    "Goods",   "Helmets", "Junk",    "Nemesis",  "Potions", "Rings",    "Scrolls",
    "Shields", "Tools",   "Wands",   "Weapon1", "Weapon2", "Weapon3",  "Weapon4", "Musical",  "Special",
    "Dragon",  "Keys",    "Easter",  "Alien",   "Quest",   "Custom"};

int IsWeaponItemType(int16_t type) { return type == 0 || type == 1 || type == 2 || type == 19 || type == 20; }

int IsArmourItemType(int16_t type) { return type == 3 || type == 4 || type == 5 || type == 7 || type == 8; }

int16_t BlockRightCells(int16_t firstItem) { return firstItem == kShortBlock ? 4 : 8; }

int FindItemCategory(int16_t& item, int16_t& category, int16_t& position) {
    if (item < 0) return 0;  // -1 ends the lists
    for (const Block& block : kBlocks) {
        if (item < block.first || item > block.last) continue;
        const ItemList& list = ItemCategoryLists[size_t(block.category)];
        item = block.first;
        category = block.category;
        position = int16_t(std::find(list.begin(), list.end(), block.first) - list.begin());
        return 1;
    }
    for (int16_t c = 0; c < kSearchedCategories; ++c) {
        const ItemList& list = ItemCategoryLists[size_t(c)];
        const auto at = std::find(list.begin(), list.end(), item);
        if (at == list.end()) continue;
        category = c;
        position = int16_t(at - list.begin());
        return 1;
    }
    return 0;
}
