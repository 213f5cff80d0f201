// The script import: sections of ScriptImport.txt, each begun by a '%' marker line, cut into
// script lines of at most 56 characters, word-wrapped, from a text line of the script editor
// on. The file is read once into memory; the reading below works on those bytes, apart from
// the screen and the file, and reads a carriage return as if it were not there.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

constexpr int16_t kImportMarkers = 9;      // the picker lists at most nine
constexpr int16_t kImportNameLength = 21;  // a longer name is cut
constexpr size_t kImportFileLimit = size_t(1) << 20;

struct ImportMarkerList {
    std::array<std::array<char, 25>, kImportMarkers> Names{};
    std::array<size_t, kImportMarkers> Offsets{};  // just after each marker's '%'
    int16_t Count = 0;
};

// The file's bytes and a reading position in them.
struct ImportText {
    std::string_view bytes;
    size_t pos = 0;
};

// A script line being read: up to 56 characters.
struct ImportLine {
    std::array<char, 57> Text{};
    int16_t Length = 0;
};

// The whole import onto a line of a script: the file, the marker picker, the section.
void RunScriptImport(int16_t script, int16_t line);
int16_t PickImportMarker(int16_t count, const ImportMarkerList& list);
void DrawImportMarkerPicker(int16_t count, const ImportMarkerList& list);

// The markers of the text in file order, the first nine of them.
void ListImportMarkers(std::string_view text, ImportMarkerList& list);
// Reads entry `marker`'s name from the position just after its '%': the characters up to
// the end of the line or the text, at most 21.
void ReadImportMarkerName(ImportText& file, int16_t marker, ImportMarkerList& list);
// Imports the section of a listed marker onto the line. 0 when the end of the script cut it
// short: line 398 is the last one it fills, and it never pushes out a line 399 that holds a
// code. 1 otherwise (also when there was nothing to import).
int ImportScriptMarker(std::string_view text, const ImportMarkerList& list, int16_t marker, int16_t script,
                       int16_t line);
// Reads up to and including the next newline, or to the end.
void SkipImportLine(ImportText& file);
// Writes the section that starts at the reading position: the first line over the text of
// `line`, every further one into a line inserted below, blue when it begins with 1..5. 0 when
// the end of the script left text of the section out.
int ImportScriptSection(ImportText& file, int16_t script, int16_t line);
// A full line that ends inside a word gives the word back to the file: the line is cut
// after its last blank. A line without a blank keeps all 56 characters.
void UnreadPartialWord(ImportText& file, ImportLine& line);
