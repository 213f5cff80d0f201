// What every fuzz input must satisfy, shared by the fuzz targets and the corpus test.
// Each check returns false on a broken property; sanitizers catch the rest.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/game_state.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/save_slots.h"
#include "data/square_kinds.h"
#include "kit/events/level_records.h"
#include "kit/script/script_import.h"
#include "kit/script/script_slots.h"
#include "script/script_codes.h"

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

// The bytes after the first as ScriptImport.txt, imported onto a script whose lines are in use:
// the first byte picks the marker (9 is one never listed), the line and whether line 399
// holds a code. Every text ends inside its 57 bytes, texts stand exactly on text codes, the
// lines above the import and a used line 399 are untouched.
inline bool CheckScriptImportInput(std::span<const uint8_t> data) {
    FreeLevelEventsAndScripts(0);
    CreateScript(0);
    LevelScript& s = *ScriptTable[0];
    const uint8_t pick = data.empty() ? 0 : data[0];
    const int16_t line = pick / 10 % 4 == 3 ? int16_t(399 - pick % 8) : int16_t(pick % 5 * 97);
    const bool last = pick & 0x80;
    for (int16_t l = 0; l < kScriptLines - 1; ++l) {
        const int16_t code = l % 3 == 0 ? 1 : l % 3 == 1 ? 2 : 13;
        if (code == 13) {
            s.Record.Code[l] = code;
            s.Record.Operand[l][0] = l;
        } else {
            SetTemplateLine(0, l, code, l % 2 ? "some words of a line" : "");
        }
    }
    if (last) SetTemplateLine(0, kScriptLines - 1, 3, "the last line");

    const auto file = data.empty() ? data : data.subspan(1);
    const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    ImportMarkerList list;
    ListImportMarkers(text, list);
    if (list.Count > kImportMarkers) return false;
    for (const auto& name : list.Names) {
        if (strnlen(name.data(), name.size()) > size_t(kImportNameLength)) return false;
    }
    ImportScriptMarker(text, list, int16_t(pick % 10), 0, line);

    for (int16_t l = 0; l < kScriptLines; ++l) {
        const ScriptLineText* t = s.LineText[size_t(l)].get();
        if ((t != nullptr) != (IsTextCode(s.Record.Code[l]) != 0)) return false;
        if ((t != nullptr) != (s.Record.Text[l] != 0)) return false;
        if (t && strnlen(t->data(), t->size()) > 56) return false;
        if (l < line && s.Record.Code[l] != (l % 3 == 0 ? 1 : l % 3 == 1 ? 2 : 13)) return false;
    }
    if (last && line != kScriptLines - 1) {
        const ScriptLineText* t = s.LineText[kScriptLines - 1].get();
        if (!t || std::string_view(t->data()) != "the last line") return false;
    }
    return true;
}

}  // namespace fuzz
