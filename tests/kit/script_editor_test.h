// The script editor run end to end on the current level's scripts through the headless back
// end, with the display open.
#pragma once

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "data/level.h"
#include "kit/events/level_records.h"
#include "kit/script/script_editor.h"
#include "kit/script/script_slots.h"
#include "tests/data/texts_shown.h"
#include "tests/support/headless_test.h"

class ScriptEditorTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        NewLevel(1327);
    }
    void TearDown() override {
        FreeLevelEventsAndScripts(0);
        HeadlessTest::TearDown();
    }

    static LevelScript& Script(int16_t slot = 0) {
        if (!ScriptTable[size_t(slot)]) CreateScript(slot);
        return *ScriptTable[size_t(slot)];
    }
    // Writes a line as a level file would hold it; a text is given only where one is named.
    static void Line(int16_t line, int16_t code, std::array<int16_t, 5> ops = {}, const char* text = nullptr,
                     int16_t slot = 0) {
        LevelScript& s = Script(slot);
        s.Record.Code[line] = code;
        std::copy(ops.begin(), ops.end(), s.Record.Operand[line]);
        s.LineText[size_t(line)].reset();
        s.Record.Text[line] = 0;
        if (text) {
            s.LineText[size_t(line)] = std::make_unique<ScriptLineText>();
            std::strncpy(s.LineText[size_t(line)]->data(), text, 56);
            s.Record.Text[line] = 1;
        }
    }
    // The line's text, or "(none)".
    static std::string TextOf(int16_t line, int16_t slot = 0) {
        const auto& text = ScriptTable[size_t(slot)]->LineText[size_t(line)];
        return text ? std::string(text->data()) : "(none)";
    }
    static int16_t Op(int16_t line, int k, int16_t slot = 0) {
        return ScriptTable[size_t(slot)]->Record.Operand[line][k];
    }
    static int16_t Code(int16_t line, int16_t slot = 0) { return ScriptTable[size_t(slot)]->Record.Code[line]; }

    // The editor on slot n, left with Esc once the input given so far is used.
    void RunEditor(int16_t n = 0) {
        TapKey(27);
        Run([&] { RunScriptEditor(n); });
    }
    // A click a little inside the field whose click area starts at x on a row.
    void ClickRow(int16_t row, int16_t x) { ClickAt(x + 2, 100 + 22 * row + 5); }
    // A click where nothing answers: held, since nothing reads it.
    void ClickNothing(int32_t x, int32_t y) { host.MoveMouse(x, y).Wait(100).Hold(1, 20); }
    // A button drawn at (x, y).
    void ClickButton(int16_t x, int16_t y) { ClickAt(x + 5, y + 5); }

    bool Shown(std::string_view text) const { return TextShown(host, text); }
    // Whether a field drawn at (x, y) showed the text.
    bool FieldShows(std::string_view text, int32_t x, int32_t y) const {
        return TextShownAt(host, text, x + 10, y + 6);
    }
};
