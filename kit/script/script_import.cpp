#include "kit/script/script_import.h"

#include <algorithm>
#include <cstring>

#include "data/level.h"
#include "kit/script/script_slots.h"
#include "platform/message_boxes.h"
#include "script/script_codes.h"

namespace {

constexpr int16_t kTXT = 1, kBTX = 2;
constexpr int16_t kFullLine = 56;

bool AtSectionEnd(const ImportText& file) { return file.pos >= file.bytes.size() || file.bytes[file.pos] == '%'; }

// Reads one script line; true when the section ended with it.
bool ReadImportLine(ImportText& file, ImportLine& line) {
    for (;;) {
        if (AtSectionEnd(file)) return true;
        const char c = file.bytes[file.pos++];
        if (c == '\n') return false;
        if (c == ' ' && line.Length == 0) continue;
        line.Text[size_t(line.Length++)] = c;
        if (line.Length < kFullLine) continue;
        // A full line. A line end or the section's end right after it ends it as usual, so
        // its last word is not wrapped for nothing.
        if (AtSectionEnd(file) || file.bytes[file.pos] == '\n') continue;
        if (line.Text[kFullLine - 1] != ' ' && file.bytes[file.pos] != ' ') UnreadPartialWord(file, line);
        return false;
    }
}

// Whether anything but blanks and line ends is left of the section, this line included.
bool TextLeftOver(const ImportText& file, const ImportLine& line) {
    const auto blank = [](char c) { return c == ' ' || c == '\n'; };
    if (!std::all_of(line.Text.begin(), line.Text.begin() + line.Length, blank)) return true;
    for (size_t i = file.pos; i < file.bytes.size() && file.bytes[i] != '%'; ++i) {
        if (!blank(file.bytes[i])) return true;
    }
    return false;
}

int16_t CodeForImportedLine(const ImportLine& line) {
    return line.Length > 0 && line.Text[0] >= '1' && line.Text[0] <= '5' ? kBTX : kTXT;
}

}  // namespace

std::string ImportFileText(std::span<const uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const uint8_t b : bytes) {
        if (b != '\r') text.push_back(char(b));
    }
    return text;
}

void ReadImportMarkerName(ImportText& file, int16_t marker, ImportMarkerList& list) {
    if (marker < 0 || marker >= kImportMarkers) return;
    auto& name = list.Names[size_t(marker)];
    name.fill(0);
    list.Offsets[size_t(marker)] = file.pos;
    for (size_t n = 0; n < size_t(kImportNameLength) && file.pos < file.bytes.size(); ++n) {
        const char c = file.bytes[file.pos];
        if (c == '\n') break;
        name[n] = c;
        ++file.pos;
    }
}

void ListImportMarkers(std::string_view text, ImportMarkerList& list) {
    list = ImportMarkerList{};
    ImportText file{text, 0};
    while (list.Count < kImportMarkers && file.pos < text.size()) {
        if (text[file.pos++] != '%') continue;
        ReadImportMarkerName(file, list.Count, list);
        ++list.Count;
    }
}

void SkipImportLine(ImportText& file) {
    while (file.pos < file.bytes.size()) {
        if (file.bytes[file.pos++] == '\n') return;
    }
}

void UnreadPartialWord(ImportText& file, ImportLine& line) {
    const auto* begin = line.Text.data();
    const auto* end = begin + line.Length;
    const auto* blank = std::find(std::make_reverse_iterator(end), std::make_reverse_iterator(begin), ' ').base();
    if (blank == begin) return;                // no blank: the run is cut hard
    const auto keep = int16_t(blank - begin);  // up to and with the blank
    file.pos -= size_t(line.Length - keep);
    std::fill(line.Text.begin() + keep, line.Text.end(), '\0');
    line.Length = keep;
}

int ImportScriptSection(ImportText& file, int16_t script, int16_t line) {
    LevelScript* s = ScriptInSlot(script);
    if (!s || line < 0 || line >= kScriptLines) return 0;
    int16_t target = line;
    for (bool first = true;; first = false) {
        ImportLine read;
        const bool sectionEnded = ReadImportLine(file, read);
        if (first) {
            // The clicked line keeps its code; a line that could not carry the text gets one.
            if (!IsTextCode(s->Record.Code[target])) s->Record.Code[target] = CodeForImportedLine(read);
        } else {
            // Line 398 is the last one an import fills, and a line 399 in use is never lost.
            if (target >= kScriptLines - 1 || LastScriptLineUsed(*s)) {
                if (!TextLeftOver(file, read)) return 1;
                ShowMessage(50, 50, "Error! End of script", "encountered! Import aborted!");
                return 0;
            }
            InsertScriptLine(script, target);
            s->Record.Code[target] = CodeForImportedLine(read);
        }
        GiveLineText(*s, target) = read.Text;
        if (sectionEnded) return 1;
        ++target;
    }
}

int ImportScriptMarker(std::string_view text, const ImportMarkerList& list, int16_t marker, int16_t script,
                       int16_t line) {
    if (marker < 0 || marker >= list.Count) return 0;
    ImportText file{text, list.Offsets[size_t(marker)]};
    SkipImportLine(file);
    return ImportScriptSection(file, script, line);
}
