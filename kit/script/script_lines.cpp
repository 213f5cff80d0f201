#include "kit/script/script_lines.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "data/level.h"
#include "kit/db/item_editor.h"
#include "kit/events/number_pickers.h"
#include "kit/events/operator_labels.h"
#include "kit/script/script_code_picker.h"
#include "kit/script/script_editor.h"
#include "kit/script/script_import.h"
#include "kit/script/script_line_layouts.h"
#include "kit/script/script_slots.h"
#include "platform/dice.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/list_chooser.h"
#include "platform/message_boxes.h"
#include "platform/number_entry.h"
#include "platform/text_entry.h"
#include "platform/widgets.h"
#include "script/script_codes.h"
#include "script/symbol_names.h"

namespace {

using K = RowPieceKind;

constexpr int16_t kBrowseIcon = 35, kImportIcon = 59;
constexpr int16_t kGlyphCount = 42;
constexpr int16_t kDiceDialogLowest = 320;  // the dialog's foot stays on the screen

// Where a row's pieces go: fields at y, labels 5 lower, browse icons 1 higher.
struct RowPlace {
    int16_t script, line, top, row, mode;
    int16_t y() const { return ScriptRowY(row); }
    void Redraw(int16_t show) const { DrawScriptEditor(script, top, mode, show); }
};

std::string_view LineTextOf(const LevelScript& s, int16_t line) {
    const ScriptLineText* text = s.LineText[size_t(line)].get();
    return text ? std::string_view(text->data(), strnlen(text->data(), text->size())) : std::string_view();
}

std::string_view GlyphName(int16_t kind, int32_t symbol) {
    return kind == 0 ? RuneName(symbol) : HieroglyphName(symbol);
}

// The next value of a cycle 0..last; a value outside it starts the cycle again.
int16_t NextInCycle(int16_t value, int16_t last) { return value >= 0 && value < last ? int16_t(value + 1) : 0; }

void DrawPiece(const LevelScript& s, const RowPlace& at, const RowPiece& p) {
    const int16_t* ops = s.Record.Operand[at.line];
    const int16_t op = ops[p.op];
    const int16_t y = at.y();
    switch (p.kind) {
        case K::Label: DrawSmallText(p.x, int16_t(y + 5), p.label, p.colour); break;
        case K::Number: DrawTextField(p.x, y, p.pieces, NumberText(op)); break;
        case K::Names:
        case K::GlyphKind: DrawTextField(p.x, y, p.pieces, p.names(op)); break;
        case K::Toggle: DrawTextField(p.x, y, p.pieces, p.names(op == 0 ? 0 : 1)); break;
        case K::CompareOp: DrawCompareOp(p.x, y, p.pieces, op); break;
        case K::AssignOp: DrawAssignOp(p.x, y, p.pieces, op); break;
        case K::GlyphChoice: DrawChoiceField(p.x, y, p.pieces, GlyphName(ops[0], op)); break;
        case K::Dice: DrawDiceButton(p.x, y, p.pieces, ops[p.op], ops[p.op + 1], ops[p.op + 2]); break;
        case K::ChainText:
            if (!s.LineText[size_t(at.line)]) ShowMessage(50, 50, "Error! Script TxtPtr should", "not be NULL!");
            [[fallthrough]];
        case K::Text: DrawTextField(p.x, y, p.pieces, LineTextOf(s, at.line)); break;
        case K::ItemIcon:
        case K::MonsterIcon: DrawIcon(BackSurface, p.x, y - 1, kBrowseIcon); break;
        case K::ImportIcon: DrawIcon(BackSurface, p.x, y, kImportIcon); break;
        case K::NameText:
            if (const std::string_view name = p.names(op); !name.empty())
                DrawSmallText(p.x, int16_t(y + 5), name, p.colour);
            break;
        case K::NumberText: DrawSmallText(p.x, int16_t(y + 4), NumberText(op), p.colour); break;
    }
}

// A new code keeps the text and operands among TXT, BTX and RTX; otherwise the operands
// become 0 and the line has a text exactly when the new code carries one.
void ChangeLineCode(LevelScript& s, int16_t line, int16_t code) {
    const int16_t old = s.Record.Code[line];
    if (code == old) return;
    s.Record.Code[line] = code;
    const auto coloured = [](int16_t c) { return c >= 1 && c <= 3; };
    if (coloured(old) && coloured(code)) return;
    std::fill_n(s.Record.Operand[line], 5, int16_t{0});
    if (IsTextCode(code)) {
        GiveLineText(s, line);
    } else {
        FreeLineText(s, line);
    }
}

// Tab leaves the entry into a new line of the same code below, one row lower; the view is
// not scrolled. The chain ends at line 399 and where an insert would lose a used line 399.
void EditTextChain(LevelScript& s, RowPlace at) {
    for (;;) {
        const int32_t tab = EnterText(100, at.y(), GiveLineText(s, at.line), 0, 56, 1, 0, -1, -1, -1, -1);
        if (!tab || at.line >= kScriptLines - 1) return;
        if (LastScriptLineUsed(s)) {
            at.Redraw(0);
            ShowLastLineInUse();
            return;
        }
        const int16_t code = s.Record.Code[at.line];
        ++at.line;
        ++at.row;
        InsertScriptLine(at.script, at.line);
        s.Record.Code[at.line] = code;
        GiveLineText(s, at.line);
        at.Redraw(1);
    }
}

int16_t ChooseGlyph(const int16_t* ops, const RowPlace& at, const RowPiece& p) {
    at.Redraw(0);
    for (int16_t i = 0; i < kGlyphCount; ++i) SetListRow(size_t(i), GlyphName(ops[0], i));
    const int16_t current = ops[p.op];
    const int16_t chosen = ChooseFromList(p.x, 100, 6, 7, current, kGlyphCount, 1);
    return chosen >= 0 && chosen < kGlyphCount ? chosen : current;
}

// One piece's click test and edit; 1 when it was hit.
int EditPiece(LevelScript& s, const RowPlace& at, const RowPiece& p) {
    int16_t* ops = s.Record.Operand[at.line];
    int16_t& op = ops[p.op];
    const int16_t y = at.y();
    switch (p.kind) {
        case K::Label:
        case K::NameText:
        case K::NumberText: return 0;
        case K::ItemIcon:
            if (!AreaClicked(p.x, int16_t(y - 1), 15, 15, 0, 1, 1, 1)) return 0;
            op = PickItemInEditor(op);
            return 1;
        case K::MonsterIcon:
            if (!AreaClicked(p.x, int16_t(y - 1), 15, 15, 0, 1, 1, 1)) return 0;
            at.Redraw(0);
            op = PickMonster(100, 120, op, -1);
            return 1;
        case K::ImportIcon:
            if (!AreaClicked(p.x, y, 15, 15, 0, 1, 0, 1)) return 0;
            at.Redraw(0);
            RunScriptImport(at.script, at.line);
            return 1;
        default: break;
    }
    const int16_t clickX = p.clickX ? p.clickX : p.x;
    const int16_t units = p.clickUnits ? p.clickUnits : int16_t(2 * p.pieces);
    if (!ButtonClicked(clickX, y, units, 0, 0, 1, 1)) return 0;
    switch (p.kind) {
        case K::Number: op = EnterNumber(p.x, y, p.pieces, p.lo, p.hi); break;
        case K::Names:
        case K::CompareOp:
        case K::AssignOp: op = NextInCycle(op, p.hi); break;
        case K::GlyphKind:
            op = NextInCycle(op, p.hi);
            ops[1] = 0;
            break;
        case K::Toggle: op = op == 0 ? 1 : 0; break;
        case K::GlyphChoice: op = ChooseGlyph(ops, at, p); break;
        case K::Dice:
            at.Redraw(0);
            EditDice(120, std::min(y, kDiceDialogLowest), "Damage", ops[p.op], ops[p.op + 1], ops[p.op + 2]);
            break;
        case K::Text: EnterText(100, y, GiveLineText(s, at.line), 0, p.hi, 1, 0, -1, -1, -1, -1); break;
        case K::ChainText: EditTextChain(s, at); break;
        default: break;
    }
    return 1;
}

}  // namespace

void DrawScriptLine(int16_t script, int16_t line, int16_t row) {
    const LevelScript* s = ScriptInSlot(script);
    if (!s || line < 0 || line >= kScriptLines) return;
    const RowPlace at{script, line, 0, row, 0};
    const int16_t code = s->Record.Code[line];
    DrawSmallText(75, int16_t(at.y() + 4), NumberText(line), kSmallBlack);
    const ScriptCode* entry = ScriptCodeOf(code);
    DrawTextField(15, at.y(), 1, entry ? ScriptCodeMnemonics[code] : NumberText(code));
    for (const RowPiece& p : ScriptLineLayout(code)) DrawPiece(*s, at, p);
}

void EditScriptLine(int16_t script, int16_t line, int16_t top, int16_t row, int16_t mode) {
    LevelScript* s = ScriptInSlot(script);
    if (!s || line < 0 || line >= kScriptLines) return;
    const RowPlace at{script, line, top, row, mode};
    if (ButtonClicked(15, at.y(), 4, 0, 0, 1, 1)) {
        ChangeLineCode(*s, line, PickScriptCode(s->Record.Code[line]));
        at.Redraw(1);
    }
    for (const RowPiece& p : ScriptLineLayout(s->Record.Code[line])) {
        if (EditPiece(*s, at, p)) at.Redraw(1);
    }
}

void ShowLastLineInUse() { ShowMessage(50, 50, "Line 399 is in use: no line", "can be inserted."); }
