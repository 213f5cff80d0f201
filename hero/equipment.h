// The thirteen equipment slots, the instance drawing every inventory screen shares, and the
// right-click information of a carried or worn item (keyring, gem bag, item panel).
#pragma once

#include <cstdint>

// The instance held on the mouse cursor; -1 none.
extern int16_t CursorItem;
// Set when a worn item changed the hero's form; the hero screen closes.
extern uint32_t FormChangePending;

// An instance's picture at (x, y), kept whole on the screen, with the gem and flag marks. An
// instance of an item outside the table is removed where it is held, with a message.
void DrawInstance(int16_t instance, int16_t x, int16_t y);
// Moves a drawing point so that a picture of the size class ends inside the screen.
void ClampPictureToScreen(int16_t sizeClass, int16_t& x, int16_t& y);
// Takes the instance out of every place that holds it (slots, backpack, bag, vaults, stash
// piles, cauldron, cursor) and frees it, so that no place names a free instance.
void DeleteInstance(int16_t instance);
// DeleteInstance, and says so.
void RemoveInvalidItem(int16_t instance);

// The worn items at their drawing points (weapon and shield, or bow and ammunition).
void DrawEquipment();
// 1 when the item may go into the slot (playing "No" when not). Item 591 on level 87 also
// takes off the amulet worn and changes the hero's form.
int CanEquip(int16_t item, int16_t type, int16_t slot);
// A left click on a slot's rectangle of w x h cells: equip, swap or take off.
void EquipIntoSlot(int16_t x, int16_t y, int16_t wCells, int16_t hCells, int16_t slot, int16_t page);
// A right click on a slot's rectangle: the worn item's information.
void InspectEquipSlot(int16_t x, int16_t y, int16_t wCells, int16_t hCells, int16_t slot, int16_t page);
// One pass over every slot shown, in the slots' order.
void HandleEquipSlots(int16_t page);

// Right-click information on a carried instance; stays while the right button is held.
void InspectBackpackItem(int16_t instance);
// The same with no prices on the item panel, for an item in a store (a vault is no shop).
void InspectStoredItem(int16_t instance);
void InspectBagItem(int16_t instance);
// The key list over the screen (no flip).
void ShowKeyring();
void DrawGembag();
void RunGembag();
