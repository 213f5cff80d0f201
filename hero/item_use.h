// Using an item from the hero screen: the effect of every usable item type and item number, the
// instance's way back into a grid, and the screens an item opens.
#pragma once

#include <cstdint>

// The item number being used from the backpack; -1 none.
extern int16_t ItemInUse;

// Uses the instance on the cursor; 1 when the hero screen is to close. An item that must go
// back into a grid and finds no room stays on the cursor, and the result is then 0.
int UseItem(int16_t page);

// Zone conditions that stop magic; zones 3 and 4 lose theirs while their off flag holds.
constexpr int16_t kAntimagicZone = 6;
constexpr int16_t kNoTeleportZone = 7;
// The zone of the hero's square; -1 off the map or for a zone the level cannot have, which has
// neither condition nor name.
int16_t HeroZone();
// 1 when the zone is 3 or 4 and its condition-off flag holds its value (condition lifted).
int AntimagicExcused(int16_t zone);
// 1 when the zone of the hero's square has that condition and no off flag lifts it. A zone
// number outside 0..5 has no condition.
int HeroZoneCondition(int16_t condition);

// Frees the cursor's instance and empties the cursor; nothing when it is empty.
void RemoveCursorItem();
// The cursor's instance into the first free area of the backpack, else of the bag when owned;
// 1 when placed (the cursor empty), else the "Pack full!" box and it stays on the cursor.
int ReturnCursorItemToPack(int16_t item);
// The cursor's instance back into the grid of the page it was used from, else the other one;
// 1 when placed, else it stays on the cursor.
int ReturnUsedItem(int16_t page);
// Writes the instance into the first free area that fits the item, rows top to bottom, each
// left to right; 1 when placed. The bag is tried only while it is owned.
int PlaceInstanceInBackpack(int16_t instance, int16_t item);
int PlaceInstanceInBag(int16_t instance, int16_t item);

// Scroll 66: every worn item whose curse holds (X below 0) is destroyed.
void DestroyCursedWornItems();

// The companion appears on the first free square of four around the hero; 1 when it did (the
// item used up), else "No" and a box.
int SummonCompanion(int16_t monster);
// 1 when the square and its west, north and north-west neighbours, and the monster's footprint
// from it, are on the map, open floor and free of monsters, and the square holds no event.
int SummonSpaceFree(int16_t cx, int16_t cy, int16_t monster);
// A barrier of X hit points (at least 10) on a chosen square without a monster; 1 when placed.
int SummonBarrier(int16_t item, int16_t power);
// The first free encounter becomes the barrier on (x, y); 0 when all 50 are in use.
int AddBarrierEncounter(int16_t x, int16_t y, int16_t power);

// The beacon on (x, y) of this level, named after the hero's zone, then the report pause.
void SetBeacon(int16_t x, int16_t y);
