// What the script codes share: the state of one run and the reading of the current line.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "data/level.h"

// One run of a script. Handlers change the line (jumps), the script (CSC) and leave.
struct ScriptRun {
    int16_t script;  // slot 0..29 of the current level
    int16_t line;    // 0..399
    int16_t x, y;    // the event square that started the run
    bool leave;
    int32_t linesSinceWait;  // lines run since the player was last asked
};

using ScriptCodeHandler = void (*)(ScriptRun&);

// The running script, or null when its slot is empty.
const LevelScript* RunningScript(const ScriptRun& run);
// The current line's five operands, read once: a jump inside a handler moves the line.
std::array<int16_t, 5> LineOperands(const ScriptRun& run);
// The current line's text, or null when it has none.
const ScriptLineText* LineText(const ScriptRun& run);
// The text up to its terminator, bounded by the line.
std::string_view LineTextView(const ScriptLineText& text);

// Continues after the first marker with that mark; a missing mark leaves the line.
void JumpToMark(ScriptRun& run, int16_t mark);
// The player was asked: the runaway guard starts again.
inline void PlayerAnswered(ScriptRun& run) { run.linesSinceWait = 0; }

// A report of a code's effect: the message and an empty line, both red.
void AppendReport(std::string_view text);
void AppendRedBlank();

// Hands an item over as scripts do: keys to the keyring, coins as gold, food without a cap,
// anything else through GiveItem. 1 when the hero took it.
int GiveScriptItem(int16_t item, int16_t x, int16_t y);
// The item table's name of an item number; empty outside the table.
std::string_view ItemRecordName(int16_t item);

// Two's complement at 16 bits, as the game's words wrap.
inline int16_t Wrap16(int32_t value) { return int16_t(uint16_t(uint32_t(value))); }
