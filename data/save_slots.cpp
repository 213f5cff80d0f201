#include "data/save_slots.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "data/file_io.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "platform/message_boxes.h"

SaveListRecord SaveList{};

namespace {

constexpr const char* kSaveListPath = "Mod/SaveGames/SaveList.dat";

bool IsListSlot(int16_t slot) { return slot >= 0 && slot < kSaveSlots; }

}  // namespace

std::string SaveFilePath(int16_t slot) { return "Mod/SaveGames/save" + std::to_string(slot) + ".sav"; }

bool SlotIsUsed(int16_t slot) { return IsListSlot(slot) && SaveList.SaveSlotUsed[slot] == 1; }

uint32_t WriteSaveList() { return WriteFileAtomic(kSaveListPath, BytesOf(SaveList)) ? 1 : 0; }

uint32_t CreateSaveList() {
    SaveList = SaveListRecord{};
    return WriteSaveList();
}

void ReadSaveListImage(std::span<const uint8_t> bytes) {
    // A list cut short reads as free slots beyond its end.
    SaveList = SaveListRecord{};
    if (!bytes.empty()) std::memcpy(&SaveList, bytes.data(), std::min(bytes.size(), sizeof SaveList));
    TerminateField(SaveList.SaveSlotName);
}

uint32_t LoadSaveList() {
    std::vector<uint8_t> bytes;
    std::string why;
    switch (ReadFileBytes(kSaveListPath, bytes, &why)) {
        case FileRead::kRead:
            ReadSaveListImage(bytes);
            return 1;
        case FileRead::kMissing:
            CreateSaveList();
            return 1;
        case FileRead::kUnreadable:
            break;
    }
    ReportUnreadableFile(kSaveListPath, why);
    SaveList = SaveListRecord{};
    return 0;
}

uint32_t SaveNewCharacter() {
    // Which slots hold saves is unknown: a new save could land on one of them.
    if (!LoadSaveList()) return 0;
    int16_t slot = 0;
    while (slot < kSaveSlots && SaveList.SaveSlotUsed[slot] == 1) ++slot;
    if (slot == kSaveSlots) return 0;
    const int16_t previousSlot = GameState.CurrentSaveSlot;
    GameState.CurrentSaveSlot = slot;
    // The save goes first, so the list never names a slot whose save failed.
    if (!WriteFileAtomic(SaveFilePath(slot), BytesOf(GameState))) {
        GameState.CurrentSaveSlot = previousSlot;
        return 0;
    }
    SaveList.SaveSlotUsed[slot] = 1;
    SetFieldText(SaveList.SaveSlotName[slot], FieldText(GameState.HeroName));
    return WriteSaveList();
}

uint32_t SaveGameToSlot(uint32_t showMessage, int16_t slot) {
    if (slot < 0) return 0;
    if (showMessage && slot > 9) ShowMessage(50, 50, "Slotnum > 9 Error!", "");
    // The battle on the arena lives outside the block: such a save could not be resumed.
    if (GameState.CurrentLevelNumber == kArenaLevel) {
        if (showMessage) ShowMessage(100, 120, "    You cannot save the", "game in wilderness combat!");
        return 0;
    }
    const bool written = WriteFileAtomic(SaveFilePath(slot), BytesOf(GameState));
    if (showMessage) ShowMessage(160, 155, written ? "     - Game Saved! -" : "   - Save failed! -", "");
    return written ? 1 : 0;
}

RestoreResult RestoreGameImage(std::span<const uint8_t> save) {
    if (save.size() < sizeof(GameStateRecord)) return RestoreResult::SaveUnreadable;
    auto saved = std::make_unique<GameStateRecord>();
    std::memcpy(saved.get(), save.data(), sizeof(GameStateRecord));
    TerminateGameStateTexts(*saved);
    const int16_t level = saved->CurrentLevelNumber;
    if (level < 0 || level >= kLevelCount) return RestoreResult::LevelMissing;

    // The level's door flags are set up in the restored state; a level that cannot be
    // loaded puts the old state back.
    auto previous = std::make_unique<GameStateRecord>(GameState);
    GameState = *saved;
    if (!LoadLevel(level, 1, 0)) {
        GameState = *previous;
        return RestoreResult::LevelMissing;
    }
    FixUpRestoredLevel();
    return RestoreResult::Restored;
}

RestoreResult RestoreCharacter(int16_t slot) {
    std::vector<uint8_t> bytes;
    if (!IsListSlot(slot) || !ReadWholeFile(SaveFilePath(slot), bytes)) return RestoreResult::SaveUnreadable;
    return RestoreGameImage(bytes);
}

void FixUpRestoredLevel() {
    // A monster standing in a simple door holds it open.
    for (int x = 0; x < 50; ++x) {
        for (int y = 0; y < 50; ++y) {
            const int square = x * 50 + y;
            EventRecord* event = EventGrid[square].get();
            if (GameState.MonsterGrid[square] != -1 && event && event->Word[0] == kSimpleDoorEvent) {
                event->Word[2] = 1;
            }
        }
    }
}

void DeleteCharacter(int16_t& slot, int16_t& usedCount) {
    if (!IsListSlot(slot)) return;
    if (!Confirm(200, 200, "Really Delete Character?")) return;
    DeleteFile(SaveFilePath(slot));  // a file already gone still frees the slot
    SaveList.SaveSlotUsed[slot] = 0;
    SetFieldText(SaveList.SaveSlotName[slot], "empty");
    WriteSaveList();
    slot = -1;
    --usedCount;
}
