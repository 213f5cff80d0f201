#include <algorithm>
#include <cstring>

#include "data/file_io.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "kit/events/level_records.h"
#include "platform/message_boxes.h"

LevelRecord CurrentLevel{};
std::array<std::unique_ptr<EventRecord>, kSquareCount> EventGrid;
std::array<std::unique_ptr<LevelScript>, kScriptSlots> ScriptTable;

namespace {

// Reads a level file front to back; past its end every read yields nothing.
struct LevelReader {
    std::span<const uint8_t> file;
    size_t at = 0;

    bool AtEnd() const { return at >= file.size(); }
    // Fills what the file still holds into a zeroed record.
    void Read(void* record, size_t size) {
        const size_t n = std::min(size, file.size() - std::min(at, file.size()));
        if (n > 0) std::memcpy(record, file.data() + at, n);
        at += n;
    }
};

void Append(std::vector<uint8_t>& out, const void* record, size_t size) {
    const auto* p = static_cast<const uint8_t*>(record);
    out.insert(out.end(), p, p + size);
}

// Squares in the file's order: rows outer, columns inner.
template <class F>
void ForSquaresInFileOrder(F&& f) {
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x) f(x * 50 + y);
    }
}

bool IsFileLevel(int16_t number) { return number >= 0 && number < kLevelCount; }

}  // namespace

std::string LevelFilePath(int16_t number) { return "Mod/LevelData/Level" + std::to_string(number) + ".dat"; }

bool LevelFileExists(int16_t number) { return IsFileLevel(number) && FileExists(LevelFilePath(number)); }

void ReadLevelImage(std::span<const uint8_t> file) {
    FreeLevelEventsAndScripts(0);
    LevelReader in{file};
    std::memset(static_cast<void*>(&CurrentLevel), 0, sizeof CurrentLevel);
    in.Read(&CurrentLevel, sizeof CurrentLevel);
    TerminateField(CurrentLevel.ZoneNames);

    ForSquaresInFileOrder([&](int square) {
        if (CurrentLevel.EventGrid[square] == 0 || in.AtEnd()) {
            CurrentLevel.EventGrid[square] = 0;
            return;
        }
        auto event = std::make_unique<EventRecord>();
        in.Read(event.get(), sizeof(EventRecord));
        TerminateField(event->Text);
        EventGrid[square] = std::move(event);
        CurrentLevel.EventGrid[square] = 1;
    });

    for (int s = 0; s < kScriptSlots; ++s) {
        if (CurrentLevel.ScriptTable[s] == 0 || in.AtEnd()) {
            CurrentLevel.ScriptTable[s] = 0;
            continue;
        }
        auto script = std::make_unique<LevelScript>();
        ScriptRecord& record = script->Record;
        in.Read(&record, sizeof record);
        TerminateField(record.Title);
        for (int l = 0; l < kScriptLines; ++l) {
            if (record.Text[l] == 0 || in.AtEnd()) {
                record.Text[l] = 0;
                continue;
            }
            auto text = std::make_unique<ScriptLineText>();
            in.Read(text->data(), text->size());
            text->back() = '\0';
            script->LineText[l] = std::move(text);
            record.Text[l] = 1;
        }
        ScriptTable[s] = std::move(script);
        CurrentLevel.ScriptTable[s] = 1;
    }
}

uint32_t LoadLevel(int16_t number, uint32_t quiet, uint32_t resetFlags) {
    // Reloading the level the hero is on keeps its pads as they are.
    if (number == GameState.CurrentLevelNumber) resetFlags = 0;
    std::vector<uint8_t> file;
    std::string why;
    const FileRead read =
        IsFileLevel(number) ? ReadFileBytes(LevelFilePath(number), file, &why) : FileRead::kMissing;
    if (read != FileRead::kRead) {
        if (read == FileRead::kUnreadable) ReportUnreadableFile(LevelFilePath(number), why);
        if (!quiet) ShowMessage(200, 160, "  Level does not exist!", "");
        return 0;
    }
    ReadLevelImage(file);
    InitDoorFlags(resetFlags);
    return 1;
}

std::vector<uint8_t> LevelFileImage() {
    std::vector<uint8_t> out;
    size_t size = sizeof(LevelRecord);
    for (const auto& event : EventGrid) size += event ? sizeof(EventRecord) : 0;
    for (const auto& script : ScriptTable) {
        if (!script) continue;
        size += sizeof(ScriptRecord);
        for (const auto& text : script->LineText) size += text ? sizeof(ScriptLineText) : 0;
    }
    out.reserve(size);

    // The presence words come from the records held, whatever the block says.
    LevelRecord block = CurrentLevel;
    for (int i = 0; i < kSquareCount; ++i) block.EventGrid[i] = EventGrid[i] ? 1 : 0;
    for (int s = 0; s < kScriptSlots; ++s) block.ScriptTable[s] = ScriptTable[s] ? 1 : 0;
    Append(out, &block, sizeof block);

    ForSquaresInFileOrder([&](int square) {
        if (EventGrid[square]) Append(out, EventGrid[square].get(), sizeof(EventRecord));
    });
    for (const auto& script : ScriptTable) {
        if (!script) continue;
        ScriptRecord record = script->Record;
        for (int l = 0; l < kScriptLines; ++l) record.Text[l] = script->LineText[l] ? 1 : 0;
        Append(out, &record, sizeof record);
        for (const auto& text : script->LineText) {
            if (text) Append(out, text->data(), text->size());
        }
    }
    return out;
}

uint32_t WriteLevelFile(const std::string& path) { return WriteFileAtomic(path, LevelFileImage()) ? 1 : 0; }

LevelSave SaveLevelFile(int16_t number, uint32_t ask) {
    if (!IsFileLevel(number)) return LevelSave::kFailed;
    const std::string path = LevelFilePath(number);
    if (ask && FileExists(path) && !Confirm(200, 150, "File Exists! Overwrite?")) return LevelSave::kDeclined;
    return WriteLevelFile(path) ? LevelSave::kWritten : LevelSave::kFailed;
}

uint32_t SaveLevel(int16_t number, uint32_t ask) { return SaveLevelFile(number, ask) == LevelSave::kWritten; }

void InitDoorFlags(uint32_t resetFlags) {
    for (int x = 0; x < 50; ++x) {
        for (int y = 0; y < 50; ++y) {
            const EventRecord* event = EventGrid[x * 50 + y].get();
            if (!event) continue;
            // Flags outside the table name nothing: such an event is skipped.
            if (event->Word[0] == kComplexDoorEvent) {
                const int16_t flag = event->Word[7];
                if (flag >= 0 && flag < kGameFlagCount && GameFlag(flag) == -1) SetGameFlag(flag, event->Word[2]);
            } else if (event->Word[0] == kPressurePadEvent && resetFlags) {
                SetGameFlag(event->Word[1], -1);
            }
        }
    }
}

void NewLevel(int16_t wallTile) {
    // A record left behind would be written out with the new level.
    FreeLevelEventsAndScripts(0);
    LevelRecord& l = CurrentLevel;
    for (auto& name : l.ZoneNames) SetFieldText(name, "Unnamed Map Area");
    std::fill(std::begin(l.BottomLayer), std::end(l.BottomLayer), wallTile);
    std::fill(std::begin(l.TopLayer), std::end(l.TopLayer), int16_t{0});
    std::fill(std::begin(l.AccessLayer), std::end(l.AccessLayer), int16_t{1295});
    std::fill(std::begin(l.ZoneLayer), std::end(l.ZoneLayer), int16_t{0});
    for (int e = 0; e < 4; ++e) {
        l.ExitLevel[e] = -1;
        l.Reserved30284[e] = 0;
        l.AltExitLevel[e] = -1;
        l.ExitFlag[e] = -1;
        l.ExitFlagOp[e] = 0;
        l.ExitFlagValue[e] = -1;
        l.ExitX[e] = -1;
        l.ExitY[e] = -1;
    }
    for (int z = 0; z < 6; ++z) {
        l.ZoneConditions[z] = 0;
        l.Reserved30354[z] = -1;
        l.ZoneTunes[z] = 0;
    }
    l.WildernessLevel = 0;
    l.Reserved30380 = 0;
    l.ViewDistance = 0;
    for (int i = 0; i < 2; ++i) {
        l.ZoneConditionOffFlag[i] = -1;
        l.ZoneConditionOffValue[i] = -1;
        l.ZoneSuppressValue[i] = -1;
    }
    l.ZoneSuppressFlag[0] = 0;
    l.ZoneSuppressFlag[1] = -1;
    l.Reserved30400 = -1;
}
