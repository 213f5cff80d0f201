#include "kit/script/script_editor.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "data/level.h"
#include "kit/script/quest_template.h"
#include "kit/script/script_lines.h"
#include "kit/script/script_slots.h"
#include "platform/backdrop.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/number_entry.h"
#include "platform/source_rects.h"
#include "platform/text_entry.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kLastSlot = kScriptSlots - 1;
constexpr int16_t kLastTop = kScriptLines - kScriptRows;  // line 399 on the last row
constexpr int16_t kScriptMark = 57;

constexpr int16_t kNoLineMode = 0, kInsertMode = 1, kDeleteMode = 2, kCopyMode = 3, kPasteMode = 4;

// The four line mode buttons, in mode order.
struct ModeButton {
    int16_t y;
    std::string_view label, shown;
};
constexpr std::array<ModeButton, 4> kModeButtons = {{
    {85, "Insert Line", "INSERT LINE!"},
    {107, "Delete Line", "DELETE LINE!"},
    {151, "Copy Line", "COPY LINE!"},
    {173, "Paste Line", "PASTE LINE!"},
}};

// The scroll buttons: a click sounds nothing; each leaves the line mode.
struct ScrollButton {
    int16_t y;
    std::string_view label;
    int16_t key, step;
};
constexpr std::array<ScrollButton, 4> kScrollButtons = {{
    {300, "Page Up", 33, -10},
    {322, "Line Up", 38, -1},
    {344, "Line Down", 40, 1},
    {366, "Page Down", 34, 10},
}};

constexpr std::array<std::string_view, 3> kScriptButtons = {"Erase Script", "Copy Script", "Paste Script"};
constexpr int16_t kScriptButtonY[] = {220, 242, 264};

Backdrop EditorBackdrop;

void DrawFixedParts() {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(0, 0, 32, 24, 0, "");
    DrawSmallText(495, 19, "Script Number", kSmallBlack);
    DrawButton(540, 41, 2, "Prev");
    DrawButton(585, 41, 2, "Next");
    for (const ModeButton& b : kModeButtons) DrawButton(500, b.y, 4, b.label);
    for (size_t i = 0; i < kScriptButtons.size(); ++i) {
        DrawButton(510, kScriptButtonY[i], 4, kScriptButtons[i]);
        DrawIcon(BackSurface, 490, kScriptButtonY[i] + 2, kScriptMark);
    }
    for (const ScrollButton& b : kScrollButtons) DrawButton(500, b.y, 4, b.label);
    DrawButton(500, 402, 5, "Template Script");
    DrawButton(300, 440, 4, "Done");
    DrawSmallText(25, 400, "For TXT line substitutions, place a '%' as first character, then:", kSmallBlack);
    DrawSmallText(25, 415, "%N = Name, %S = Son, daughter, %T = Sir, Madame", kSmallBlack);
}

struct ScriptEditorState {
    int16_t script = 0;
    int16_t top = 0;
    int16_t mode = kNoLineMode;
    int16_t source = -1;  // the slot marked by Copy Script; read when pasting
    ScriptLineClip clip;

    void Draw(int16_t show) const { DrawScriptEditor(script, top, mode, show); }
};

void RunLineMode(ScriptEditorState& e, int16_t line) {
    switch (e.mode) {
        case kInsertMode:
            // An insert never loses a line 399 that holds a code.
            if (const LevelScript* s = ScriptInSlot(e.script); s && LastScriptLineUsed(*s)) {
                e.Draw(0);
                ShowLastLineInUse();
            } else {
                InsertScriptLine(e.script, line);
            }
            break;
        case kDeleteMode: DeleteScriptLine(e.script, line); break;
        case kCopyMode: CopyScriptLine(e.script, line, e.clip); break;
        case kPasteMode: PasteScriptLine(e.script, line, e.clip); break;
        default: break;
    }
}

void PasteScript(const ScriptEditorState& e) {
    e.Draw(0);
    if (e.source == e.script) {
        ShowMessage(60, 60, "ERROR! Source and destination", "scripts are the same!.");
    } else if (e.source == -1) {
        ShowMessage(60, 60, "ERROR! No source script", "has been selected yet!.");
    } else if (!ScriptInSlot(e.source)) {
        ShowMessage(60, 60, "ERROR! Source script", "does not exist!.");
    } else if (Confirm(200, 170, "Really Paste Script?")) {
        CopyScript(e.source, e.script);
    }
}

void UseTemplate(const ScriptEditorState& e) {
    e.Draw(0);
    if (!Confirm(100, 120, "Really use template?")) return;
    if (ScriptInSlot(e.script)) {
        MakeQuestTemplateScript(e.script, 1);
    } else {
        CreateScript(e.script);
        MakeQuestTemplateScript(e.script, 0);
    }
}

}  // namespace

void ForgetScriptEditorBackdrop() { ForgetBackdrop(EditorBackdrop); }

void DrawScriptEditor(int16_t n, int16_t top, int16_t mode, int16_t show) {
    DrawBackdrop(EditorBackdrop, 0, [](int32_t) { DrawFixedParts(); });
    DrawTextField(495, 41, 1, NumberText(n));
    const LevelScript* s = ScriptInSlot(n);
    if (!s) {
        DrawSmallText(25, 85, "No script currently exists for this script slot.", kSmallBlack);
        DrawSmallText(25, 100, "To create a new script, click on the CREATE", kSmallBlack);
        DrawSmallText(25, 115, "button.", kSmallBlack);
        DrawButton(25, 145, 5, "Create Script");
    } else {
        if (mode >= kInsertMode && mode <= kPasteMode)
            DrawSmallText(510, 430, kModeButtons[size_t(mode - 1)].shown, kSmallRed);
        DrawSmallText(110, 30, "Title", kSmallBlack);
        DrawTextField(100, 43, 18, {s->Record.Title, strnlen(s->Record.Title, sizeof s->Record.Title)});
        DrawSmallText(25, 85, "Code          String", kSmallBlack);
        for (int16_t r = 0; r < kScriptRows; ++r) DrawScriptLine(n, int16_t(top + r), r);
    }
    if (show) Flip();
}

void RunScriptEditor(int16_t n) {
    Screen screen("script editor");
    // Two event dialogs pass a word the level file holds, which may lie outside the table.
    ScriptEditorState e;
    e.script = std::clamp<int16_t>(n, 0, kLastSlot);
    auto redraw = [&] { e.Draw(1); };
    ForgetScriptEditorBackdrop();
    redraw();
    for (;;) {
        LoopPass(screen, [&] {
            ForgetScriptEditorBackdrop();  // the surfaces were made again
            redraw();
        });
        if (ButtonClicked(495, 41, 4, 0, 0, 1, 1)) {
            e.mode = kNoLineMode;
            e.top = 0;
            e.script = EnterNumber(495, 41, 1, 0, kLastSlot);
            redraw();
        }
        if (ButtonClicked(540, 41, 4, 'P', 0, 1, 1)) {
            if (e.script != 0) e.top = 0;
            e.script = std::max<int16_t>(int16_t(e.script - 1), 0);
            redraw();
        }
        if (ButtonClicked(585, 41, 4, 'N', 0, 1, 1)) {
            if (e.script != kLastSlot) e.top = 0;
            e.script = std::min<int16_t>(int16_t(e.script + 1), kLastSlot);
            redraw();
        }
        if (ButtonClicked(500, 402, 10, 0, 0, 1, 1)) {
            UseTemplate(e);
            redraw();
        }

        if (LevelScript* s = ScriptInSlot(e.script); !s) {
            if (ButtonClicked(25, 145, 10, 'C', 0, 1, 1)) {
                CreateScript(e.script);
                redraw();
            }
        } else {
            if (ButtonClicked(100, 43, 36, 0, 0, 1, 1)) {
                e.mode = kNoLineMode;
                EnterText(100, 43, s->Record.Title, 0, 56, 1, 0, -1, -1, -1, -1);
                redraw();
            }
            for (int16_t r = 0; r < kScriptRows; ++r) {
                const auto line = int16_t(e.top + r);
                if (e.mode == kNoLineMode) {
                    EditScriptLine(e.script, line, e.top, r, e.mode);
                } else if (ButtonClicked(100, ScriptRowY(r), 36, 0, 0, 1, 1)) {
                    RunLineMode(e, line);
                    e.mode = kNoLineMode;
                    redraw();
                }
            }
            if (KeyPressed(36, 1, 0, 0)) {
                e.top = 0;
                redraw();
            }
            if (KeyPressed(35, 1, 0, 0)) {
                e.top = kLastTop;
                redraw();
            }
            for (const ScrollButton& b : kScrollButtons) {
                if (ButtonClicked(500, b.y, 8, b.key, 0, 1, 0)) {
                    e.mode = kNoLineMode;
                    e.top = std::clamp<int16_t>(int16_t(e.top + b.step), 0, kLastTop);
                    redraw();
                }
            }
            for (int16_t m = kInsertMode; m <= kPasteMode; ++m) {
                if (ButtonClicked(500, kModeButtons[size_t(m - 1)].y, 8, 0, 0, 1, 1)) {
                    e.mode = e.mode == m ? kNoLineMode : m;
                    redraw();
                }
            }
            // The script may be gone from here on: only slot numbers are used.
            if (ButtonClicked(510, kScriptButtonY[0], 8, 0, 0, 1, 1)) {
                e.Draw(0);
                if (Confirm(200, 170, "Really Erase Script?")) EraseScript(e.script);
                redraw();
            }
            if (ButtonClicked(510, kScriptButtonY[1], 8, 0, 0, 1, 1)) {
                e.source = e.script;
                e.Draw(0);
                ShowMessage(60, 60, "This script marked", "as the SOURCE script.");
                redraw();
            }
            if (ButtonClicked(510, kScriptButtonY[2], 8, 0, 0, 1, 1)) {
                PasteScript(e);
                redraw();
            }
        }
        if (ButtonClicked(300, 440, 8, 'D', 27, 1, 1)) return;
    }
}
