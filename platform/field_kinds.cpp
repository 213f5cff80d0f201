#include "field_kinds.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <span>
#include <string>

#include "dice.h"
#include "display.h"
#include "fonts.h"
#include "input.h"
#include "list_chooser.h"
#include "number_entry.h"
#include "text_entry.h"
#include "widgets.h"

namespace {

constexpr int16_t kPickerIcon = 35;
constexpr int16_t kEscaped = -32768;  // a list left with Esc

int16_t* Words(FieldValue v) { return reinterpret_cast<int16_t*>(v.at); }

void Store(const Field& f, FieldValue v, int16_t value) {
    if (f.wide) *reinterpret_cast<int32_t*>(v.at) = value;
    else *Words(v) = value;
}

// The label a choice or toggle shows for its value; a value from a file may lie outside the
// labels, and then shows empty.
std::string_view ValueLabel(const Field& f, int16_t v) {
    if (!f.labels) return {};
    if (f.kind == FieldKind::kChoice) {
        const int32_t row = int32_t(v) - f.shift;
        return row >= 0 && row < f.count ? f.labels(row) : std::string_view();
    }
    return f.show == Show::kValue ? f.labels(v) : f.labels(Passes(f.show, v) ? 1 : 0);
}

bool Counted(FieldKind kind) { return kind == FieldKind::kNumber || kind == FieldKind::kPicker; }

bool Clicked(const Field& f, int16_t x, int16_t y) {
    const auto cy = int16_t(y + f.clickDy);
    switch (f.hit) {
        case Hit::kButton: return ButtonClicked(x, cy, int16_t(f.click / 10), f.hotkey, 0, 1, 1) != 0;
        case Hit::kSquare: return AreaClicked(x, cy, f.click, f.click, 0, 1, 1, 1) != 0;
        case Hit::kInsetBox: return AreaClicked(int16_t(x + 2), int16_t(cy + 2), 12, 12, 0, 1, 1, 1) != 0;
    }
    return false;
}

}  // namespace

int16_t FieldNumber(const Field& f, FieldValue v) {
    if (!v.at) return 0;
    if (!f.wide) return *Words(v);
    return int16_t(std::clamp<int64_t>(*reinterpret_cast<int32_t*>(v.at), INT16_MIN, INT16_MAX));
}

bool Passes(Show show, int16_t v) {
    switch (show) {
        case Show::kNotNone: return v != -1;
        case Show::kAboveNone: return v > -1;
        case Show::kAboveZero: return v > 0;
        case Show::kNonZero: return v != 0;
        case Show::kValue:
        case Show::kAlways: return true;
    }
    return true;
}

int16_t NextValue(const Field& f, int16_t v) {
    switch (f.rule) {
        case Rule::kCycle: return v >= 0 && v < f.max - 1 ? int16_t(v + 1) : int16_t(0);
        case Rule::kOneGivesZero: return v == 1 ? 0 : 1;
        case Rule::kPositiveGivesZero: return v > 0 ? 0 : 1;
        case Rule::kNoneSwap: return v == -1 ? 0 : -1;
        case Rule::kRope: return v == 0 ? -1 : 0;
    }
    return 0;
}

void DrawLabel(const Label& l, FieldShift at, int16_t index) {
    if (l.text.empty() && !l.numbered) return;
    std::string text(l.text);
    if (l.numbered) text += std::to_string(index + 1);
    DrawSmallText(int16_t(l.x + at.dx), int16_t(l.y + at.dy), text, l.colour);
}

void DrawField(const Field& f, FieldValue v, FieldShift at) {
    const auto x = int16_t(f.x + at.dx), y = int16_t(f.y + at.dy);
    switch (f.kind) {
        case FieldKind::kNone: return;
        case FieldKind::kText: {
            if (!v.at) return;
            const char* text = reinterpret_cast<const char*>(v.at);
            DrawTextField(x, y, f.pieces, std::string_view(text, strnlen(text, v.size)));
            return;
        }
        case FieldKind::kDice:
            if (v.at) DrawDiceButton(x, y, f.pieces, Words(v)[0], Words(v)[1], Words(v)[2]);
            return;
        default: break;
    }
    const int16_t n = FieldNumber(f, v);
    switch (f.look) {
        case Look::kNone: break;
        case Look::kTextField: DrawTextField(x, y, f.pieces, Counted(f.kind) ? NumberText(n) : ValueLabel(f, n)); break;
        case Look::kChoiceField: DrawChoiceField(x, y, f.pieces, ValueLabel(f, n)); break;
        case Look::kButton: DrawButton(x, y, f.pieces, f.kind == FieldKind::kToggle ? ValueLabel(f, n) : f.title); break;
        case Look::kCheckBox: DrawCheckBox(x, y, n != 0); break;
        case Look::kNumberButton: DrawButton(x, y, f.pieces, NumberText(n)); break;
        case Look::kIcon: DrawIcon(BackSurface, x, y, kPickerIcon); break;
        case Look::kDrawn: f.draw(x, y, f.pieces, n); break;
    }
}

int16_t ChooseFieldValue(const Field& f, int16_t value, uint32_t escAllowed, FieldShift at) {
    for (int16_t row = 0; row < f.count; ++row) SetListRow(size_t(row), f.labels(row));
    const int16_t row = ChooseFromList(int16_t(f.x + at.dx + f.listDx), int16_t(f.y + at.dy + f.listDy),
                                       f.listPieces, f.listRows, kEscaped, f.count, escAllowed);
    return row >= 0 && row < f.count ? int16_t(row + f.shift) : value;
}

Edit EditField(const Field& f, FieldValue v, const FieldRedraw& redraw, const FieldPick& pick, FieldShift at) {
    const auto x = int16_t(f.x + at.dx), y = int16_t(f.y + at.dy);
    if (f.kind == FieldKind::kNone || (f.kind == FieldKind::kNumber && f.click == 0)) return Edit::kNone;
    if (!Clicked(f, x, y)) return Edit::kNone;
    switch (f.kind) {
        case FieldKind::kNone: return Edit::kNone;
        case FieldKind::kNumber: Store(f, v, EnterNumber(x, y, f.pieces, f.min, f.max)); return Edit::kStored;
        case FieldKind::kText:
            if (!v.at) return Edit::kHit;
            EnterText(x, y, {reinterpret_cast<char*>(v.at), v.size}, f.min, f.max, 1, 0, -1, -1, -1, -1);
            return Edit::kStored;
        case FieldKind::kChoice: {
            redraw(0);
            // A list left with Esc, or clicked below its labels, keeps the value.
            const int16_t chosen = ChooseFieldValue(f, kEscaped, 1, at);
            if (chosen == kEscaped) return Edit::kHit;
            Store(f, v, chosen);
            return Edit::kStored;
        }
        case FieldKind::kToggle: Store(f, v, NextValue(f, FieldNumber(f, v))); return Edit::kStored;
        case FieldKind::kDice:
            redraw(0);
            EditDice(f.dialogX, f.dialogY, f.title, Words(v)[0], Words(v)[1], Words(v)[2]);
            return Edit::kStored;
        case FieldKind::kPicker: Store(f, v, pick(FieldNumber(f, v))); return Edit::kStored;
        case FieldKind::kButton: return Edit::kHit;
    }
    return Edit::kNone;
}
