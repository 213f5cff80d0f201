// The item table (Item.dat): one record per item number 0..713.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kItemCount = 714;
constexpr int16_t kQuestItemType = 27;

struct ItemRecord {
    char ItemName[32];
    int16_t ItemPicture;  // also the item's size class in the grids
    int16_t ItemType;     // 0..52
    int16_t ItemPcIcon;
    int16_t ItemReqStrength;
    int16_t ItemArmourBonus;
    int16_t ItemDamage[3];  // dice count, sides, bonus
    uint32_t ItemGhostTouch;
    int16_t ItemElement;  // 0 none, 1 acid, 2 cold, 3 elect, 4 fire
    int16_t ItemElementDamage[3];
    int16_t ItemSlayType;
    uint8_t Reserved62[2];
};
static_assert(sizeof(ItemRecord) == 64);
static_assert(offsetof(ItemRecord, ItemPicture) == 32);
static_assert(offsetof(ItemRecord, ItemType) == 34);
static_assert(offsetof(ItemRecord, ItemPcIcon) == 36);
static_assert(offsetof(ItemRecord, ItemReqStrength) == 38);
static_assert(offsetof(ItemRecord, ItemArmourBonus) == 40);
static_assert(offsetof(ItemRecord, ItemDamage) == 42);
static_assert(offsetof(ItemRecord, ItemGhostTouch) == 48);
static_assert(offsetof(ItemRecord, ItemElement) == 52);
static_assert(offsetof(ItemRecord, ItemElementDamage) == 54);
static_assert(offsetof(ItemRecord, ItemSlayType) == 60);
static_assert(offsetof(ItemRecord, Reserved62) == 62);

extern std::array<ItemRecord, kItemCount> ItemTable;
