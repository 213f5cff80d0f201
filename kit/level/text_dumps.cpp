#include "text_dumps.h"

#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

#include "data/level.h"
#include "data/text_field.h"
#include "kit/level/report_files.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "script/script_codes.h"

std::FILE* DumpFile = nullptr;

namespace {

// Lines gather here and go to the file a block at a time: a dump of full levels has
// millions of lines.
std::string Pending;
constexpr size_t kFlushAt = size_t(1) << 16;

void Flush() {
    if (DumpFile && !Pending.empty()) std::fwrite(Pending.data(), 1, Pending.size(), DumpFile);
    Pending.clear();
}

void Append(std::string_view text) {
    Pending += text;
    if (Pending.size() >= kFlushAt) Flush();
}

// "(" and the numbers, each followed by a comma but the last: the head of a dump line.
class LineHead {
public:
    LineHead(std::initializer_list<int> numbers) {
        text_[size_++] = '(';
        for (int n : numbers) {
            if (size_ > 1) text_[size_++] = ',';
            size_ = size_t(std::to_chars(text_ + size_, text_ + sizeof text_, n).ptr - text_);
        }
    }
    std::string_view View() const { return {text_, size_}; }

private:
    char text_[48];
    size_t size_ = 0;
};

void WriteLevelHead(int16_t level) {
    WriteDumpRule();
    Append("Level = ");
    Append(std::to_string(level));
    Append("\n");
    WriteDumpRule();
}

// Loads levels first .. 129 and dumps each one that exists into `path`.
int DumpLevels(const char* path, int16_t first, void (*dumpLevel)(int16_t), std::string_view done1,
               std::string_view done2) {
    DumpFile = std::fopen(ResolvePath(path).c_str(), "w");
    if (!DumpFile) {
        ShowReportNotWritten(path);
        return 0;
    }
    Pending.reserve(kFlushAt + 256);
    for (int16_t n = first; n < kLevelCount; ++n) {
        if (LoadLevel(n, 1, 0)) dumpLevel(n);
    }
    Flush();
    const bool written = std::ferror(DumpFile) == 0;
    const bool closed = std::fclose(DumpFile) == 0;
    DumpFile = nullptr;
    std::string().swap(Pending);
    if (written && closed) ShowMessage(130, 160, done1, done2);
    else ShowReportNotWritten(path);
    return 1;
}

}  // namespace

void WriteDumpRule() { Append("------------------------------------\n"); }

void DumpLevelScripts(int16_t level) {
    WriteLevelHead(level);
    for (int s = 0; s < kScriptSlots; ++s) {
        const LevelScript* script = ScriptTable[size_t(s)].get();
        if (!script) continue;
        for (int l = 0; l < kScriptLines; ++l) {
            const int16_t code = script->Record.Code[l];
            if (code == 0) continue;
            const ScriptCode* entry = code >= 1 ? ScriptCodeOf(code) : nullptr;
            const ScriptLineText* text = script->LineText[size_t(l)].get();
            Append(LineHead({level, s, l}).View());
            Append(",");
            Append(entry ? entry->mnemonic : "???");
            Append(")  ");
            if (text) Append(std::string_view(text->data(), strnlen(text->data(), text->size())));
            Append("\n");
        }
    }
}

void DumpLevelEventTexts(int16_t level) {
    WriteLevelHead(level);
    for (int x = 0; x < 50; ++x) {
        for (int y = 0; y < 50; ++y) {
            const EventRecord* event = EventGrid[size_t(x * 50 + y)].get();
            if (!event) continue;
            const LineHead where({level, x, y});
            for (int t = 0; t < 2; ++t) {
                for (const auto& line : event->Text[t]) {
                    if (line[0] == '\0') continue;
                    Append(where.View());
                    Append(t == 0 ? ") TXT1= " : ") TXT2= ");
                    Append(FieldText(line));
                    Append("\n");
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
