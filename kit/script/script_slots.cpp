#include "kit/script/script_slots.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "data/text_field.h"
#include "platform/message_boxes.h"

namespace {

bool ValidLine(int16_t line) { return line >= 0 && line < kScriptLines; }

// Line t takes the content of line f of the same or another script: code, operands and the
// characters of the text, each line keeping a buffer of its own.
void CopyLine(LevelScript& to, int16_t t, const LevelScript& from, int16_t f) {
    if (&to == &from && t == f) return;
    to.Record.Code[t] = from.Record.Code[f];
    std::copy_n(from.Record.Operand[f], 5, to.Record.Operand[t]);
    if (const ScriptLineText* text = from.LineText[size_t(f)].get()) {
        GiveLineText(to, t) = *text;
    } else {
        FreeLineText(to, t);
    }
}

}  // namespace

LevelScript* ScriptInSlot(int16_t slot) {
    return slot >= 0 && slot < kScriptSlots ? ScriptTable[size_t(slot)].get() : nullptr;
}

int LastScriptLineUsed(const LevelScript& script) { return script.Record.Code[kScriptLines - 1] != 0 ? 1 : 0; }

ScriptLineText& GiveLineText(LevelScript& script, int16_t line) {
    auto& text = script.LineText[size_t(line)];
    if (!text) text = std::make_unique<ScriptLineText>();  // zeroed: the empty text
    script.Record.Text[line] = 1;
    return *text;
}

void FreeLineText(LevelScript& script, int16_t line) {
    script.LineText[size_t(line)].reset();
    script.Record.Text[line] = 0;
}

void EmptyScriptLine(LevelScript& script, int16_t line) {
    script.Record.Code[line] = 0;
    FreeLineText(script, line);
    std::fill_n(script.Record.Operand[line], 5, int16_t{0});
}

void CreateScript(int16_t slot) {
    if (slot < 0 || slot >= kScriptSlots) return;
    auto script = std::make_unique<LevelScript>();  // codes, operands and texts empty
    SetFieldText(script->Record.Title, "None");
    ScriptTable[size_t(slot)] = std::move(script);
    CurrentLevel.ScriptTable[slot] = 1;
}

void EraseScript(int16_t slot) {
    if (!ScriptInSlot(slot)) {
        ShowMessage(50, 50, "ERROR! Trying to erase", "non existant script!");
        return;
    }
    ScriptTable[size_t(slot)].reset();  // the line texts go with it
    CurrentLevel.ScriptTable[slot] = 0;
}

void CopyScript(int16_t source, int16_t destination) {
    const LevelScript* from = ScriptInSlot(source);
    LevelScript* to = ScriptInSlot(destination);
    if (!from || !to || from == to) return;
    std::memcpy(to->Record.Title, from->Record.Title, sizeof to->Record.Title);
    for (int16_t l = 0; l < kScriptLines; ++l) CopyLine(*to, l, *from, l);
}

void InsertScriptLine(int16_t script, int16_t line) { InsertScriptLines(script, line, 1); }

void InsertScriptLines(int16_t script, int16_t line, int16_t count) {
    LevelScript* s = ScriptInSlot(script);
    if (!s || !ValidLine(line) || count < 1) return;
    count = std::min<int16_t>(count, int16_t(kScriptLines - line));
    for (int16_t i = kScriptLines - 1; i >= line + count; --i) CopyLine(*s, i, *s, int16_t(i - count));
    for (int16_t i = line; i < line + count; ++i) EmptyScriptLine(*s, i);
}

void DeleteScriptLine(int16_t script, int16_t line) {
    LevelScript* s = ScriptInSlot(script);
    if (!s || !ValidLine(line)) return;
    for (int16_t i = line; i < kScriptLines - 1; ++i) CopyLine(*s, i, *s, int16_t(i + 1));
    EmptyScriptLine(*s, kScriptLines - 1);
}

void CopyScriptLine(int16_t script, int16_t line, ScriptLineClip& clip) {
    const LevelScript* s = ScriptInSlot(script);
    if (!s || !ValidLine(line)) return;
    clip.Code = s->Record.Code[line];
    clip.Text.fill(0);
    if (const ScriptLineText* text = s->LineText[size_t(line)].get()) {
        const size_t n = strnlen(text->data(), text->size() - 1);
        if (n == 0) clip.Text[0] = ' ';
        std::memcpy(clip.Text.data(), text->data(), n);
    }
    std::copy_n(s->Record.Operand[line], 5, clip.Operand.begin());
}

void PasteScriptLine(int16_t script, int16_t line, const ScriptLineClip& clip) {
    LevelScript* s = ScriptInSlot(script);
    if (!s || !ValidLine(line)) return;
    s->Record.Code[line] = clip.Code;
    if (clip.Text[0] == 0) {
        FreeLineText(*s, line);
    } else {
        ScriptLineText& text = GiveLineText(*s, line);
        text.fill(0);
        std::memcpy(text.data(), clip.Text.data(), strnlen(clip.Text.data(), text.size() - 1));
    }
    std::copy(clip.Operand.begin(), clip.Operand.end(), s->Record.Operand[line]);
}

void SetTemplateLine(int16_t script, int16_t line, int16_t code, std::string_view text) {
    LevelScript* s = ScriptInSlot(script);
    if (!s || !ValidLine(line)) return;
    s->Record.Code[line] = code;
    ScriptLineText& buffer = GiveLineText(*s, line);
    buffer.fill(0);
    std::memcpy(buffer.data(), text.data(), std::min(text.size(), buffer.size() - 1));
}
