// The nine save slots: the slot list, and the game state written to and read from them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

constexpr int kSaveSlots = 9;

struct SaveListRecord {
    uint32_t SaveSlotUsed[kSaveSlots];  // a slot is used only when its word is exactly 1
    char SaveSlotName[kSaveSlots][31];
    uint8_t Reserved315;
};
static_assert(sizeof(SaveListRecord) == 316);
static_assert(offsetof(SaveListRecord, SaveSlotName) == 36);
static_assert(offsetof(SaveListRecord, Reserved315) == 315);

extern SaveListRecord SaveList;

// Why a restore did not happen; the game state is then as it was.
enum class RestoreResult {
    Restored,
    SaveUnreadable,  // no save file, or one shorter than the game state
    LevelMissing,    // the saved level has no level file (or is the wilderness arena)
};

std::string SaveFilePath(int16_t slot);
bool SlotIsUsed(int16_t slot);

// Reads the slot list; when there is none, an empty one is made and written. 0 when a list
// is there but cannot be read: the slots show empty and the file is left alone.
uint32_t LoadSaveList();
uint32_t CreateSaveList();
// The list from SaveList.dat's bytes.
void ReadSaveListImage(std::span<const uint8_t> bytes);
// 1 when SaveList.dat was written whole.
uint32_t WriteSaveList();
// The first save of a new hero into the lowest free slot, which becomes the current slot.
// 0 when no slot is free, the list cannot be read or a write failed.
uint32_t SaveNewCharacter();
// 1 when the game state was written whole to the slot's save file.
uint32_t SaveGameToSlot(uint32_t showMessage, int16_t slot);
// Reads the slot's save and makes its level current, or changes nothing.
RestoreResult RestoreCharacter(int16_t slot);
// The same from a save file's bytes.
RestoreResult RestoreGameImage(std::span<const uint8_t> save);
void FixUpRestoredLevel();
// Asks, then deletes the slot's save and frees its entry; the selection becomes -1.
void DeleteCharacter(int16_t& slot, int16_t& usedCount);
