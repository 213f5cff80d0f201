// The hero's item instances and the places that hold them. Every number read from a grid, a
// slot or a save file is checked here before it is used as an index.
#pragma once

#include <cstdint>
#include <span>

#include "data/game_state.h"
#include "data/item_records.h"

constexpr int kInstanceCount = 837;
constexpr int kGridCells = 81;  // 9 x 9, cell = column * 9 + row
constexpr int16_t kNone = -1;

// Equipment slots.
enum EquipSlot : int {
    kArmourSlot,
    kHelmetSlot,
    kGlovesSlot,
    kBootsSlot,
    kAmuletSlot,
    kRing1Slot,
    kRing2Slot,
    kWeaponSlot,
    kOffhandSlot,
    kWandSlot,
    kBowSlot,
    kAmmunitionSlot,
    kBeltSlot,
    kEquipSlotCount
};

using ItemGrid = std::span<int16_t, kGridCells>;

inline ItemGrid BackpackGrid() { return ItemGrid(&GameState.Backpack[0][0], kGridCells); }
inline ItemGrid BagGrid() { return ItemGrid(&GameState.BagOfHolding[0][0], kGridCells); }

// The instance of that number, or null for -1 and for any number outside the table.
inline ItemInstance* InstanceAt(int32_t instance) {
    return instance >= 0 && instance < kInstanceCount ? &GameState.ItemInstances[instance] : nullptr;
}

// The record of an item number, or null outside 0..713.
inline const ItemRecord* ItemRecordOf(int32_t item) {
    return item >= 0 && item < kItemCount ? &ItemTable[item] : nullptr;
}

// The item type of an item number; -1 for a number outside the table.
inline int16_t ItemTypeOf(int32_t item) {
    const ItemRecord* r = ItemRecordOf(item);
    return r ? r->ItemType : int16_t{-1};
}

// The item number an instance number stands for; -1 when there is none.
inline int16_t InstanceItem(int32_t instance) {
    const ItemInstance* i = InstanceAt(instance);
    return i ? i->ItemNumber : kNone;
}

// The instance worn in a slot, or null when the slot is empty.
inline const ItemInstance* WornInstance(int slot) {
    if (slot < 0 || slot >= kEquipSlotCount) return nullptr;
    const ItemInstance* i = InstanceAt(GameState.EquipSlots[slot]);
    return i && i->ItemNumber != kNone ? i : nullptr;
}

// The item number worn in a slot; -1 when empty.
inline int16_t WornItem(int slot) {
    const ItemInstance* i = WornInstance(slot);
    return i ? i->ItemNumber : kNone;
}

// X and Y of the instance worn in a slot; 0 when empty.
inline int16_t WornX(int slot) {
    const ItemInstance* i = WornInstance(slot);
    return i ? i->X : int16_t{0};
}
inline int16_t WornY(int slot) {
    const ItemInstance* i = WornInstance(slot);
    return i ? i->Y : int16_t{0};
}
// 1 when the slot holds an instance of that item.
inline bool Wears(int slot, int16_t item) { return item != kNone && WornItem(slot) == item; }
