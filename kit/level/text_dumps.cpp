#include "text_dumps.h"

#include <cstring>
#include <string_view>

#include "data/level.h"
#include "data/text_field.h"
#include "kit/level/level_search.h"
#include "platform/message_boxes.h"
#include "script/script_codes.h"

std::string DumpFile;

namespace {

void Append(std::initializer_list<std::string_view> pieces) {
    for (std::string_view p : pieces) DumpFile += p;
}

void WriteLevelHead(int16_t level) {
    WriteDumpRule();
    Append({"Level = ", std::to_string(level), "\n"});
    WriteDumpRule();
}

// Loads levels first .. 129 and dumps each one that exists into `path`.
int DumpLevels(const char* path, int16_t first, void (*dumpLevel)(int16_t), std::string_view done1,
               std::string_view done2) {
    if (!WriteReportFile(path, {})) {
        ShowReportNotWritten(path);
        return 0;
    }
    DumpFile.clear();
    for (int16_t n = first; n < kLevelCount; ++n) {
        if (LoadLevel(n, 1, 0)) dumpLevel(n);
    }
    const bool written = WriteReportFile(path, DumpFile);
    DumpFile.clear();
    DumpFile.shrink_to_fit();
    if (written) ShowMessage(130, 160, done1, done2);
    else ShowReportNotWritten(path);
    return 1;
}

}  // namespace

void WriteDumpRule() { DumpFile += "------------------------------------\n"; }

void DumpLevelScripts(int16_t level) {
    WriteLevelHead(level);
    const std::string head = "(" + std::to_string(level) + ",";
    for (int s = 0; s < kScriptSlots; ++s) {
        const LevelScript* script = ScriptTable[size_t(s)].get();
        if (!script) continue;
        for (int l = 0; l < kScriptLines; ++l) {
            const int16_t code = script->Record.Code[l];
            if (code == 0) continue;
            const ScriptCode* entry = code >= 1 ? ScriptCodeOf(code) : nullptr;
            const ScriptLineText* text = script->LineText[size_t(l)].get();
            Append({head, std::to_string(s), ",", std::to_string(l), ",", entry ? entry->mnemonic : "???", ")  ",
                    text ? std::string_view(text->data(), strnlen(text->data(), text->size())) : std::string_view(),
                    "\n"});
        }
    }
}

void DumpLevelEventTexts(int16_t level) {
    WriteLevelHead(level);
    for (int x = 0; x < 50; ++x) {
        for (int y = 0; y < 50; ++y) {
            const EventRecord* event = EventGrid[size_t(x * 50 + y)].get();
            if (!event) continue;
            const std::string where = "(" + std::to_string(level) + "," + std::to_string(x) + "," + std::to_string(y);
            for (int t = 0; t < 2; ++t) {
                for (const auto& line : event->Text[t]) {
                    if (line[0] == '\0') continue;
                    Append({where, t == 0 ? ") TXT1= " : ") TXT2= ", FieldText(line), "\n"});
                }
            }
        }
    }
}

int DumpScripts() {
    return DumpLevels("ScriptDump.txt", 0, DumpLevelScripts, "Script texts were dumped",
                      "to file 'ScriptDump.txt'!");
}

int DumpEventTexts() {
    return DumpLevels("TxtDump.txt", 1, DumpLevelEventTexts, "Event texts were dumped", "to file 'TxtDump.txt'!");
}
