// The script message window: the lines a running script has written, drawn over the play
// screen under the script's title.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int kMessageLineSlots = 25;  // the last one is written but never drawn
constexpr int kMessageLineChars = 56;

extern std::array<std::array<char, kMessageLineChars + 1>, kMessageLineSlots> MessageLines;
extern std::array<int16_t, kMessageLineSlots> MessageLineColours;  // -1 not drawn
extern int16_t MessageLineCount;                                   // lines in use, 0..24

// The one way a line gets into the window: cut to 56 characters and written at
// MessageLineCount, which grows only while it is below 24, so that every line after the
// 24th overwrites the undrawn last slot. Draws nothing.
void AppendMessageLine(const char* text, int16_t colour);
void AppendMessageLine(std::string_view text, int16_t colour);
void ClearMessageLines();

// What a text that begins with '%' shows: the rest of it with %N, %S and %T replaced by the
// hero's name and forms of address, and any other pair after a '%' dropped; copying stops at
// `room` characters, and an insertion that would pass them is left out.
std::string SubstituteHeroWords(std::string_view text, size_t room = kMessageLineChars);

// The play screen with the map view covered, the script's title and its rule; no flip.
void DrawMessageTitle(int16_t script);
// The title, then every drawn line at (50, 100 + 15 x line); flips only when asked.
void ShowMessageLines(int16_t script, uint32_t flip);
// The window with an empty answer field under its lines, then a flip.
void RedrawScriptAnswer(int16_t script);
