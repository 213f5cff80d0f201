// What every fuzz input must satisfy, shared by the fuzz targets and the corpus test.
// Each check returns false on a broken property; sanitizers catch the rest.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/game_state.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/save_slots.h"
#include "kit/events/level_records.h"

namespace fuzz {

// Any bytes load as a level, and the level written back loads to the same file.
inline bool CheckLevelInput(std::span<const uint8_t> data) {
    ReadLevelImage(data);
    InitDoorFlags(1);
    const std::vector<uint8_t> once = LevelFileImage();
    if (once.size() < sizeof(LevelRecord) || once.size() > sizeof(LevelRecord) + sizeof(ScriptRecord) + data.size()) return false;
    ReadLevelImage(once);
    return LevelFileImage() == once;
}

// The levels a restore may find: 0 and 1, each with doors and pads on it.
inline void WriteSaveFuzzLevels() {
    for (int16_t n = 0; n < 2; ++n) {
        NewLevel(1327);
        CreateEvent(2, 3, kSimpleDoorEvent);
        CreateEvent(4, 4, kComplexDoorEvent);
        EventGrid[4 * 50 + 4]->Word[7] = static_cast<int16_t>(100 + n);
        CreateEvent(5, 5, kPressurePadEvent);
        EventGrid[5 * 50 + 5]->Word[1] = 7999;
        WriteLevelFile(LevelFilePath(n));
    }
    FreeLevelEventsAndScripts(0);
}

// A save as it was found (short ones are refused), and a valid save on level 0 overlaid
// with the bytes at an offset they choose. A refused restore changes nothing.
inline bool CheckSaveInput(std::span<const uint8_t> data) {
    auto before = std::make_unique<GameStateRecord>();
    std::memset(static_cast<void*>(before.get()), 0x5a, sizeof(GameStateRecord));
    before->CurrentLevelNumber = 1;

    auto restoreFrom = [&](std::span<const uint8_t> save) {
        GameState = *before;
        const RestoreResult r = RestoreGameImage(save);
        if (r != RestoreResult::Restored) return std::memcmp(&GameState, before.get(), sizeof GameState) == 0;
        return GameState.HeroName[15] == 0 && GameState.CurrentLevelNumber >= 0 &&
               GameState.CurrentLevelNumber < kLevelCount;
    };
    if (!restoreFrom(data)) return false;

    std::vector<uint8_t> save(sizeof(GameStateRecord), 0);
    if (data.size() >= 4) {
        uint32_t offset = 0;
        std::memcpy(&offset, data.data(), 4);
        offset %= save.size();
        const size_t n = std::min(data.size() - 4, save.size() - offset);
        std::memcpy(save.data() + offset, data.data() + 4, n);
    }
    if (!restoreFrom(save)) return false;

    // The same bytes as a slot list.
    ReadSaveListImage(data);
    for (const auto& name : SaveList.SaveSlotName) {
        if (name[30] != 0) return false;
    }
    return true;
}

// The first byte picks a data file, the rest is its image. Texts end inside their fields
// and the quest items are fixed up.
inline bool CheckDataFileInput(std::span<const uint8_t> data) {
    if (data.empty()) return true;
    const auto file = static_cast<DataFile>(data[0] % kDataFileCount);
    ReadDataFileImage(file, data.subspan(1));
    switch (file) {
        case DataFile::Item:
            return ItemTable[611].ItemType == kQuestItemType && ItemTable[687].ItemPicture == 687 &&
                   ItemTable[713].ItemName[31] == 0;
        case DataFile::QuestText:
            return QuestTextTable[199].ReturnAddress[56] == 0 && QuestTextTable[0].Line[5][56] == 0;
        case DataFile::Module:
            return ModuleTable[49].ModuleCredit2[27] == 0;
        case DataFile::LevelList:
            return LevelList.LevelListName[129][25] == 0;
        case DataFile::WinTxt:
            return WinTexts[1].Line[99][49] == 0;
        default:
            return true;
    }
}

}  // namespace fuzz
