// The kit's field kinds over the toolkit controls: numbers, texts, choice lists, toggles and
// check boxes, dice, picker buttons and plain buttons. One engine draws, hit-tests and edits
// them; where a value lives (a word of an event, a field of a data record) is the caller's
// binding, handed in as the bytes of the value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "join_rows.h"

enum class FieldKind : uint8_t {
    kNone,    // no control: a label, a note, a picture
    kNumber,  // number entry min..max; without a click width the number is only shown
    kText,    // one line of text, min..max characters, in the bound bytes
    kChoice,  // a list of `count` labels; the value is the row + `shift`
    kToggle,  // a click gives the next value by `rule`
    kDice,    // three 16-bit values: count, sides, bonus; the dice dialog at (dialogX, dialogY)
    kPicker,  // a click opens the caller's picker on the value
    kButton,  // a button captioned `title`; the caller acts on a click
};

// How a field is drawn.
enum class Look : uint8_t {
    kNone,          // not drawn (the caller draws a picture in its place)
    kTextField,     // a text field with the value's label (numbers and pickers: the value)
    kChoiceField,   // a choice field with the value's label
    kButton,        // a button: a toggle's label of its value, any other kind's title
    kCheckBox,      // ticked while the value is not 0
    kNumberButton,  // a button showing the value
    kIcon,          // the picker icon (15 x 15)
    kDrawn,         // drawn by the field's own `draw`
};

// Where a click is taken.
enum class Hit : uint8_t {
    kButton,    // a button `click` pixels wide
    kSquare,    // a square of side `click`
    kInsetBox,  // a check box's inner 12 x 12
};

// What a click on a toggle does.
enum class Rule : uint8_t {
    kCycle,              // + 1 up to max - 1, then 0; a value outside the cycle gives 0
    kOneGivesZero,       // 1 gives 0, anything else 1
    kPositiveGivesZero,  // above 0 gives 0, anything else 1
    kNoneSwap,           // -1 gives 0, anything else -1
    kRope,               // 0 gives -1, anything else 0
};

// Which values a label or picture is shown for; kValue: a label by the value itself, the
// others by the test (label 1 when it passes, label 0 when not).
enum class Show : uint8_t { kValue, kAlways, kNotNone, kAboveNone, kAboveZero, kNonZero };

using LabelFn = std::string_view (*)(int32_t row);
using FieldDraw = void (*)(int16_t x, int16_t y, int16_t widthPieces, int16_t value);

// The label function of a constant table of names; empty outside it.
template <const auto& Names>
std::string_view LabelsOf(int32_t row) {
    return row >= 0 && size_t(row) < Names.size() ? std::string_view(Names[size_t(row)]) : std::string_view();
}

// A text beside a field; `numbered`: the row index + 1 follows the text.
struct Label {
    int16_t x = 0, y = 0;
    std::string_view text{};
    int16_t colour = 0;
    uint8_t numbered = 0;
};

struct Field {
    FieldKind kind = FieldKind::kNone;
    Look look = Look::kNone;
    Hit hit = Hit::kButton;
    Rule rule = Rule::kCycle;
    Show show = Show::kValue;
    uint8_t wide = 0;                  // the value is held in 32 bits
    int16_t x = 0, y = 0;              // where it is drawn
    int16_t pieces = 0;                // drawn width in pieces
    int16_t click = 0;                 // click width (a square's side) in pixels
    int16_t clickDy = 0;               // the click area (and a list) this far below the drawing
    int16_t hotkey = 0;
    int16_t min = 0, max = 0;          // a number's bounds; a text's lengths; a cycle's length
    LabelFn labels = nullptr;
    int16_t count = 0, shift = 0;      // a choice's labels and what is added to the row
    int16_t listDx = 0, listDy = 0;    // a choice's list, from the field
    int16_t listPieces = 0, listRows = 0;
    int16_t dialogX = 0, dialogY = 0;  // the dice dialog
    std::string_view title{};          // a button's caption; the dice dialog's title
    FieldDraw draw = nullptr;          // Look::kDrawn

    // Modifiers for the tables.
    constexpr Field Key(int16_t k) const { return With(*this, &Field::hotkey, k); }
    constexpr Field Wide() const { return With(*this, &Field::wide, 1); }
    constexpr Field Drawn(Look l) const { return With(*this, &Field::look, l); }
    // Drawn dy above its click area and list.
    constexpr Field Raised(int16_t dy) const {
        Field f = With(*this, &Field::y, y - dy);
        f.clickDy = int16_t(f.clickDy + dy);
        f.listDy = int16_t(f.listDy + dy);
        return f;
    }
};

// ---- Building the tables -------------------------------------------------------------------

// A field's place and click width; pieces follow from the width unless given.
struct At {
    int16_t x, y, click;
    int16_t pieces = 0;
};
constexpr int16_t PiecesOf(const At& at) { return at.pieces ? at.pieces : int16_t(at.click / 20); }

// A choice's list: `pieces` wide with `rows` rows, over the field unless placed elsewhere.
struct ListAt {
    int16_t pieces, rows;
    uint8_t placed = 0;
    int16_t x = 0, y = 0;
    constexpr ListAt At(int16_t px, int16_t py) const { return {pieces, rows, 1, px, py}; }
};
constexpr ListAt ListOf(int16_t pieces, int16_t rows) { return {pieces, rows}; }

constexpr Field NumberControl(int16_t min, int16_t max, At at) {
    return {.kind = FieldKind::kNumber, .look = Look::kTextField, .x = at.x, .y = at.y, .pieces = PiecesOf(at),
            .click = at.click, .min = min, .max = max};
}
// A number that answers no click.
constexpr Field ShownNumberControl(At at) {
    return {.kind = FieldKind::kNumber, .look = Look::kTextField, .x = at.x, .y = at.y, .pieces = PiecesOf(at)};
}
constexpr Field TextControl(int16_t minLength, int16_t maxLength, At at) {
    return {.kind = FieldKind::kText, .look = Look::kTextField, .x = at.x, .y = at.y, .pieces = PiecesOf(at),
            .click = at.click, .min = minLength, .max = maxLength};
}
constexpr Field ChoiceControl(LabelFn labels, int16_t count, At at, ListAt list, int16_t shift = 0) {
    return {.kind = FieldKind::kChoice, .look = Look::kChoiceField, .x = at.x, .y = at.y, .pieces = PiecesOf(at),
            .click = at.click, .labels = labels, .count = count, .shift = shift,
            .listDx = int16_t(list.placed ? list.x - at.x : 0), .listDy = int16_t(list.placed ? list.y - at.y : 0),
            .listPieces = list.pieces, .listRows = list.rows};
}
// A word cycled 0..length-1 by clicks, drawn with its label (by value, or by a test).
constexpr Field CycleControl(int16_t length, LabelFn labels, Look look, At at, Show show = Show::kValue) {
    return {.kind = FieldKind::kToggle, .look = look, .rule = Rule::kCycle, .show = show, .x = at.x, .y = at.y,
            .pieces = PiecesOf(at), .click = at.click, .max = length, .labels = labels};
}
// A two-state value drawn with label 1 where the test passes and label 0 where not.
constexpr Field TwoStateControl(Rule rule, LabelFn labels, Show show, Look look, At at) {
    return {.kind = FieldKind::kToggle, .look = look, .rule = rule, .show = show, .x = at.x, .y = at.y,
            .pieces = PiecesOf(at), .click = at.click, .labels = labels};
}
// A value cycled 0..length-1, drawn by `draw` one piece wide.
constexpr Field DrawnCycleControl(int16_t length, FieldDraw draw, At at) {
    return {.kind = FieldKind::kToggle, .look = Look::kDrawn, .rule = Rule::kCycle, .x = at.x, .y = at.y,
            .pieces = 1, .click = at.click, .max = length, .draw = draw};
}
// A check box: a click anywhere on its 15 x 15 unless the width says otherwise.
constexpr Field CheckControl(At at, Rule rule = Rule::kCycle) {
    return {.kind = FieldKind::kToggle, .look = Look::kCheckBox, .hit = at.click == 15 ? Hit::kSquare : Hit::kButton,
            .rule = rule, .x = at.x, .y = at.y, .click = at.click, .max = 2};
}
// The check box of a 32-bit switch, taken on its inner box: 1 gives 0, anything else 1.
constexpr Field SwitchControl(int16_t x, int16_t y) {
    return {.kind = FieldKind::kToggle, .look = Look::kCheckBox, .hit = Hit::kInsetBox,
            .rule = Rule::kOneGivesZero, .wide = 1, .x = x, .y = y};
}
// A click on the side x side square cycles the value through 0..length-1; the caller draws it.
constexpr Field SquareCycleControl(int16_t length, int16_t x, int16_t y, int16_t side) {
    return {.kind = FieldKind::kToggle, .hit = Hit::kSquare, .rule = Rule::kCycle, .x = x, .y = y, .click = side,
            .max = length};
}
constexpr Field DiceControl(std::string_view title, At at, int16_t dialogX, int16_t dialogY) {
    return {.kind = FieldKind::kDice, .x = at.x, .y = at.y, .pieces = PiecesOf(at), .click = at.click,
            .dialogX = dialogX, .dialogY = dialogY, .title = title};
}
// Pickers: shown as the value in a field or a button, as the icon, as a captioned button, or
// not at all (a picture the caller draws, clicked on a square of side `click`).
constexpr Field PickerFieldControl(At at) {
    return {.kind = FieldKind::kPicker, .look = Look::kTextField, .x = at.x, .y = at.y, .pieces = at.pieces,
            .click = at.click};
}
constexpr Field PickerNumberButton(At at) {
    return {.kind = FieldKind::kPicker, .look = Look::kNumberButton, .x = at.x, .y = at.y, .pieces = 2,
            .click = at.click};
}
constexpr Field PickerIcon(int16_t x, int16_t y) {
    return {.kind = FieldKind::kPicker, .look = Look::kIcon, .hit = Hit::kSquare, .x = x, .y = y, .click = 15};
}
constexpr Field PickerButton(std::string_view caption, At at, int16_t pieces) {
    return {.kind = FieldKind::kPicker, .look = Look::kButton, .x = at.x, .y = at.y, .pieces = pieces,
            .click = at.click, .title = caption};
}
constexpr Field PickerSquare(int16_t x, int16_t y, int16_t side) {
    return {.kind = FieldKind::kPicker, .hit = Hit::kSquare, .x = x, .y = y, .click = side};
}
constexpr Field ButtonControl(std::string_view caption, At at, int16_t pieces) {
    return {.kind = FieldKind::kButton, .look = Look::kButton, .x = at.x, .y = at.y, .pieces = pieces,
            .click = at.click, .title = caption};
}
constexpr Field ButtonControl(std::string_view caption, At at) { return ButtonControl(caption, at, PiecesOf(at)); }

// A choice offers 1..70 labels, as many as the list holds.
constexpr bool ValidField(const Field& f) { return f.kind != FieldKind::kChoice || (f.count > 0 && f.count <= 70); }

// ---- The engine ----------------------------------------------------------------------------

// Where a field's value lives: a 16-bit value (dice: three in a row), 32 bits for a wide
// field, or a text's `size` bytes. No bytes: a text is not drawn or entered.
struct FieldValue {
    std::byte* at = nullptr;
    size_t size = 0;
};

// The screen behind a list or dialog: flip 0 leaves it unshown.
using FieldRedraw = std::function<void(uint32_t flip)>;
using FieldPick = std::function<int16_t(int16_t value)>;

// A field's place moved by (dx, dy).
struct FieldShift {
    int16_t dx = 0, dy = 0;
};

enum class Edit : uint8_t {
    kNone,    // not hit
    kHit,     // hit, the value kept (a list left with Esc or below its rows; a button)
    kStored,  // hit and a value stored
};

// The value as the field shows it: a 32-bit value beyond 16 bits as the nearest 16-bit one.
int16_t FieldNumber(const Field& f, FieldValue v);
// The next value of a toggle.
int16_t NextValue(const Field& f, int16_t v);
bool Passes(Show show, int16_t v);

void DrawLabel(const Label& l, FieldShift at = {}, int16_t index = 0);
void DrawField(const Field& f, FieldValue v, FieldShift at = {});
// One click on the field: lists and the dice dialog open over redraw(0); a picker runs pick.
Edit EditField(const Field& f, FieldValue v, const FieldRedraw& redraw, const FieldPick& pick = {}, FieldShift at = {});
// A choice field's list opened over the screen: the value chosen, or `value` on Esc (when
// allowed) or a click below the labels.
int16_t ChooseFieldValue(const Field& f, int16_t value, uint32_t escAllowed = 1, FieldShift at = {});
