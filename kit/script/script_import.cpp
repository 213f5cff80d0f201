#include "kit/script/script_import.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "data/level.h"
#include "kit/script/script_slots.h"
#include "script/script_codes.h"

namespace {

constexpr int16_t kTXT = 1, kBTX = 2;
constexpr int16_t kFullLine = 56;

// Carriage returns are read as if they were not there: the file may come with either kind of
// line end.
void SkipCarriageReturns(ImportText& file) {
    while (file.pos < file.bytes.size() && file.bytes[file.pos] == '\r') ++file.pos;
}

bool AtSectionEnd(ImportText& file) {
    SkipCarriageReturns(file);
    return file.pos >= file.bytes.size() || file.bytes[file.pos] == '%';
}

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

// Whether anything but blanks and line ends is left of the section.
bool TextLeftOver(const ImportText& file) {
    for (size_t i = file.pos; i < file.bytes.size() && file.bytes[i] != '%'; ++i) {
        const char c = file.bytes[i];
        if (c != ' ' && c != '\n' && c != '\r') return true;
    }
    return false;
}

int16_t CodeForImportedLine(const ImportLine& line) {
    return line.Length > 0 && line.Text[0] >= '1' && line.Text[0] <= '5' ? kBTX : kTXT;
}

}  // namespace

void ReadImportMarkerName(ImportText& file, int16_t marker, ImportMarkerList& list) {
    if (marker < 0 || marker >= kImportMarkers) return;
    auto& name = list.Names[size_t(marker)];
    name.fill(0);
    list.Offsets[size_t(marker)] = file.pos;
    for (size_t n = 0; n < size_t(kImportNameLength);) {
        SkipCarriageReturns(file);
        if (file.pos >= file.bytes.size() || file.bytes[file.pos] == '\n') break;
        name[n++] = file.bytes[file.pos++];
    }
}

void ListImportMarkers(std::string_view text, ImportMarkerList& list) {
    list = ImportMarkerList{};
    ImportText file{text, 0};
    while (list.Count < kImportMarkers) {
        const size_t mark = text.find('%', file.pos);
        if (mark == std::string_view::npos) return;
        file.pos = mark + 1;
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
    // Give the cut word's characters back, and the carriage returns read among them.
    for (int16_t back = int16_t(line.Length - keep); back > 0;) {
        if (file.bytes[--file.pos] != '\r') --back;
    }
    std::fill(line.Text.begin() + keep, line.Text.end(), '\0');
    line.Length = keep;
}

int ImportScriptSection(ImportText& file, int16_t script, int16_t line) {
    LevelScript* s = ScriptInSlot(script);
    if (!s || line < 0 || line >= kScriptLines) return 1;
    // Room below the clicked line: up to line 398, and only as many lines as the end of the
    // script holds without a code, since each line opened pushes the last one out.
    int16_t room = int16_t(std::max(0, kScriptLines - 2 - line));
    int16_t free = 0;
    for (int16_t l = kScriptLines - 1; l > line && s->Record.Code[l] == 0; --l) ++free;
    room = std::min(room, free);

    std::vector<ImportLine> lines;
    bool ended = false;
    while (!ended && lines.size() <= size_t(room)) {
        ended = ReadImportLine(file, lines.emplace_back());
    }
    // The clicked line keeps its code; a line that could not carry the text gets one.
    if (!IsTextCode(s->Record.Code[line])) s->Record.Code[line] = CodeForImportedLine(lines[0]);
    GiveLineText(*s, line) = lines[0].Text;
    const auto opened = int16_t(lines.size() - 1);
    InsertScriptLines(script, int16_t(line + 1), opened);
    for (int16_t i = 1; i <= opened; ++i) {
        s->Record.Code[line + i] = CodeForImportedLine(lines[size_t(i)]);
        GiveLineText(*s, int16_t(line + i)) = lines[size_t(i)].Text;
    }
    return ended || !TextLeftOver(file) ? 1 : 0;
}

int ImportScriptMarker(std::string_view text, const ImportMarkerList& list, int16_t marker, int16_t script,
                       int16_t line) {
    if (marker < 0 || marker >= list.Count) return 1;
    ImportText file{text, list.Offsets[size_t(marker)]};
    SkipImportLine(file);
    return ImportScriptSection(file, script, line);
}
