#include "script_interpreter.h"

#include <cstring>
#include <string>

#include "data/game_state.h"
#include "data/item_records.h"
#include "data/level.h"
#include "message_window.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "script_codes.h"

const LevelScript* RunningScript(const ScriptRun& run) {
    return run.script >= 0 && run.script < kScriptSlots ? ScriptTable[size_t(run.script)].get() : nullptr;
}

std::array<int16_t, 5> LineOperands(const ScriptRun& run) {
    std::array<int16_t, 5> op{};
    const LevelScript* s = RunningScript(run);
    if (s && run.line >= 0 && run.line < kScriptLines)
        for (size_t k = 0; k < op.size(); ++k) op[k] = s->Record.Operand[run.line][k];
    return op;
}

const ScriptLineText* LineText(const ScriptRun& run) {
    const LevelScript* s = RunningScript(run);
    if (!s || run.line < 0 || run.line >= kScriptLines) return nullptr;
    return s->LineText[size_t(run.line)].get();
}

std::string_view LineTextView(const ScriptLineText& text) {
    return std::string_view(text.data(), strnlen(text.data(), text.size()));
}

void JumpToMark(ScriptRun& run, int16_t mark) { FindScriptMark(mark, run.line, run.script); }

void AppendReport(std::string_view text) {
    AppendMessageLine(text, kSmallRed);
    AppendRedBlank();
}

void AppendRedBlank() { AppendMessageLine("", kSmallRed); }

int FindScriptMark(int16_t mark, int16_t& line, int16_t script) {
    if (script >= 0 && script < kScriptSlots && ScriptTable[size_t(script)]) {
        const ScriptRecord& r = ScriptTable[size_t(script)]->Record;
        for (int16_t l = 0; l < kScriptLines; ++l) {
            if (r.Code[l] == 5 && r.Operand[l][0] == mark) {
                line = l;
                return 1;
            }
        }
    }
    ShowMessage(0, 0, "ERROR: mark not found!", "");
    return 0;
}

int GivePendingItem(int16_t x, int16_t y) {
    PendingItem* owed = nullptr;
    for (PendingItem& p : GameState.PendingItems)
        if (p.Level != -1 && p.Level == GameState.CurrentLevelNumber && p.X == x && p.Y == y) owed = &p;
    if (!owed) return 0;
    if (owed->Item < 0 || owed->Item >= kItemCount) {
        // An entry of a damaged save names no item: nothing can be handed over.
        owed->Level = -1;
        return 1;
    }
    if (!GiveScriptItem(owed->Item, owed->Power, owed->Charges)) {
        AppendReport("<Your backpack is still too full!> ");
        return 0;
    }
    owed->Level = -1;
    AppendReport("<Gained item: " + std::string(ItemRecordName(owed->Item)) + "!>");
    return 1;
}

void RunScript(int16_t script, int16_t x, int16_t y) {
    if (script < 0 || script >= kScriptSlots || !ScriptTable[size_t(script)]) {
        ShowMessage(50, 50, "Error! Null script pointer!", "");
        return;
    }
    ClearMessageLines();
    DrawMessageTitle(script);
    while (GivePendingItem(x, y)) {
    }
    ScriptRun run{script, 0, x, y, false, 0};
    do {
        // Read afresh every line: CSC changes the script, and a teleport frees it.
        const LevelScript* s = RunningScript(run);
        if (!s) return;
        if (++run.linesSinceWait > kRunawayLines) {
            ShowMessage(50, 50, "Script stopped: it ran on", "without end.");
            return;
        }
        if (const ScriptCode* code = ScriptCodeOf(s->Record.Code[run.line])) code->handler(run);
        ++run.line;
    } while (!run.leave && run.line < kScriptLines);
}
