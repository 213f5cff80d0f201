// The current level's scripts: new, erased and copied scripts and the line operations of the
// script editor. Every operation keeps a line's text present exactly when its code is a text
// code, never shares a text buffer between two lines, and keeps the block's presence words in
// step with the texts and scripts held.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "data/level.h"

// The script in slot 0..29; null for an empty slot or a number outside the table.
LevelScript* ScriptInSlot(int16_t slot);

// A fresh script in slot 0..29: title "None", every line empty. A script already in the
// slot is replaced; a slot outside the table is ignored.
void CreateScript(int16_t slot);
// Frees the script and its texts; an empty slot gets the error box instead.
void EraseScript(int16_t slot);
// The destination becomes a copy of the source (title and all 400 lines); nothing unless
// both slots hold scripts.
void CopyScript(int16_t source, int16_t destination);

// The line clipboard of the script editor. An empty text means the copied line had none; a
// copied empty text is held as one blank, so that pasting gives the line a text again.
struct ScriptLineClip {
    int16_t Code = 0;
    std::array<char, 57> Text{};
    std::array<int16_t, 5> Operand{};
};

// Opens an empty line: lines line..398 move one down and line 399 is lost. Lines outside
// 0..399 and empty slots are ignored, here and below.
void InsertScriptLine(int16_t script, int16_t line);
// The same as `count` inserts at `line`, done in one move.
void InsertScriptLines(int16_t script, int16_t line, int16_t count);
// Removes the line: lines below it move one up and line 399 becomes empty.
void DeleteScriptLine(int16_t script, int16_t line);
void CopyScriptLine(int16_t script, int16_t line, ScriptLineClip& clip);
void PasteScriptLine(int16_t script, int16_t line, const ScriptLineClip& clip);
// Sets the line's code and gives it a text copied from `text` (cut to 56 characters).
void SetTemplateLine(int16_t script, int16_t line, int16_t code, std::string_view text);

// 1 when line 399 holds a code, so an insert would lose it.
int LastScriptLineUsed(const LevelScript& script);
// The line's text, made empty when it has none.
ScriptLineText& GiveLineText(LevelScript& script, int16_t line);
void FreeLineText(LevelScript& script, int16_t line);
// Code 0, no text, operands 0.
void EmptyScriptLine(LevelScript& script, int16_t line);
