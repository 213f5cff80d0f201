// The one form of the database editors: fields bound to the records of a table, drawn and
// edited by their kind; stepping through records and pages; Save and Cancel.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "platform/join_rows.h"

enum class FieldKind : uint8_t {
    kNote,    // the label alone
    kNumber,  // a signed 16-bit value, min..max by number entry
    kText,    // a text of `size` bytes, min..max characters
    kChoice,  // a list of `count` labels; the value is the row + `shift`
    kCheck,   // a 32-bit switch, 0 or 1
    kDice,    // three 16-bit values: count, sides, bonus
    kPicker,  // a value chosen on a picker's screen; drawn as a number field, or as the
              // picker icon (15 x 15) when it has no pieces
    kAction,  // a button that runs the field's action
};

using FormLabelFn = std::string_view (*)(int32_t row);

// The label function of a constant table; empty outside it.
template <const auto& Labels>
std::string_view LabelsOf(int32_t row) {
    return row >= 0 && size_t(row) < Labels.size() ? Labels[size_t(row)] : std::string_view();
}

// Where an editor stands: its record, its page, and the records its fields are bound to.
struct FormState {
    int16_t record = 0;
    int16_t page = 0;
    std::array<std::byte*, 3> bases{};
};

// Whether a field is drawn and live; a field is shown on every page unless it names one.
using FieldShown = int (*)(const FormState& state);
using FieldPicker = int16_t (*)(int16_t current);
// The screen behind a list or dialog: flip 0 leaves it unshown.
using FormRedraw = std::function<void(uint32_t flip)>;
using FieldAction = void (*)(const FormState& state, const FormRedraw& redraw);

struct FormLabel {
    int16_t x = 0, y = 0;
    std::string_view text{};
    int16_t colour = 0;
};

struct FormField {
    FieldKind kind = FieldKind::kNote;
    uint8_t base = 0;     // which of the state's records holds the value
    uint16_t offset = 0;  // of the value in that record
    uint16_t size = 0;    // a text's field
    FormLabel label{};
    int16_t x = 0, y = 0, pieces = 0, click = 0;  // the control and its click width in pixels
    int16_t min = 0, max = 0;                     // a number's bounds; a text's lengths
    FormLabelFn labels = nullptr;
    int16_t count = 0, shift = 0;
    int16_t listX = 0, listY = 0, listPieces = 0, listRows = 0;  // the list, or the dice dialog
    std::string_view title{};                                    // the dice dialog's
    int8_t page = -1;
    int16_t hotkey = 0;
    uint8_t wide = 0;  // a number or choice held in 32 bits
    FieldShown shown = nullptr;
    FieldPicker pick = nullptr;
    FieldAction action = nullptr;

    constexpr FormField On(int8_t p) const {
        FormField f = *this;
        f.page = p;
        return f;
    }
    constexpr FormField When(FieldShown s) const {
        FormField f = *this;
        f.shown = s;
        return f;
    }
    constexpr FormField From(uint8_t b) const {
        FormField f = *this;
        f.base = b;
        return f;
    }
    constexpr FormField Key(int16_t k) const {
        FormField f = *this;
        f.hotkey = k;
        return f;
    }
    constexpr FormField Wide() const {
        FormField f = *this;
        f.wide = 1;
        return f;
    }
};

// A control's place, its click width and, when it differs from click / 20, its drawn width.
struct FieldAt {
    int16_t x, y, click;
    int16_t pieces = 0;
};
constexpr int16_t PiecesOf(const FieldAt& at) { return at.pieces ? at.pieces : int16_t(at.click / 20); }

constexpr FormField FormNote(FormLabel label) { return {.kind = FieldKind::kNote, .label = label}; }
constexpr FormField NumberField(size_t offset, int16_t min, int16_t max, FieldAt at, FormLabel label = {}) {
    return {.kind = FieldKind::kNumber, .offset = uint16_t(offset), .label = label, .x = at.x, .y = at.y,
            .pieces = PiecesOf(at), .click = at.click, .min = min, .max = max};
}
constexpr FormField TextField(size_t offset, size_t size, int16_t maxLength, FieldAt at, FormLabel label = {}) {
    return {.kind = FieldKind::kText, .offset = uint16_t(offset), .size = uint16_t(size), .label = label, .x = at.x,
            .y = at.y, .pieces = PiecesOf(at), .click = at.click, .min = 0, .max = maxLength};
}
// The list opens at (listX, listY) with listRows of listPieces; Esc keeps the value.
struct ListAt {
    int16_t x, y, pieces, rows;
};
constexpr FormField ChoiceField(size_t offset, FormLabelFn labels, int16_t count, FieldAt at, ListAt list,
                                FormLabel label = {}, int16_t shift = 0) {
    return {.kind = FieldKind::kChoice, .offset = uint16_t(offset), .label = label, .x = at.x, .y = at.y,
            .pieces = PiecesOf(at), .click = at.click, .labels = labels, .count = count, .shift = shift,
            .listX = list.x, .listY = list.y, .listPieces = list.pieces, .listRows = list.rows};
}
constexpr FormField CheckField(size_t offset, int16_t x, int16_t y, FormLabel label = {}) {
    return {.kind = FieldKind::kCheck, .offset = uint16_t(offset), .label = label, .x = x, .y = y};
}
// The dice dialog opens at (100, 120), where every editor puts it.
constexpr FormField DiceField(size_t offset, std::string_view title, FieldAt at, FormLabel label = {}) {
    return {.kind = FieldKind::kDice, .offset = uint16_t(offset), .label = label, .x = at.x, .y = at.y,
            .pieces = PiecesOf(at), .click = at.click, .listX = 100, .listY = 120, .title = title};
}

constexpr FormField PickerField(size_t offset, FieldPicker pick, FieldAt at, FormLabel label = {}) {
    return {.kind = FieldKind::kPicker, .offset = uint16_t(offset), .label = label, .x = at.x, .y = at.y,
            .pieces = at.pieces, .click = at.click, .pick = pick};
}
constexpr FormField ActionButton(std::string_view title, FieldAction action, FieldAt at) {
    return {.kind = FieldKind::kAction, .x = at.x, .y = at.y, .pieces = PiecesOf(at), .click = at.click,
            .title = title, .action = action};
}

// The rows 0..N-1 of a field, each moved by (0, dy) and its value by `stride` bytes.
template <size_t N>
constexpr std::array<FormField, N> FieldColumn(FormField first, int16_t dy, size_t stride) {
    std::array<FormField, N> out{};
    for (size_t i = 0; i < N; ++i) {
        out[i] = first;
        out[i].offset = uint16_t(first.offset + i * stride);
        out[i].y = int16_t(first.y + int16_t(i) * dy);
        if (!first.label.text.empty()) out[i].label.y = int16_t(first.label.y + int16_t(i) * dy);
    }
    return out;
}

// Fields and arrays of fields, one after the other.
template <class... Parts>
constexpr auto JoinFields(const Parts&... parts) {
    return JoinRows<FormField>(parts...);
}

// Number and dice values must be 16-bit aligned and switches 32-bit aligned in their record.
constexpr bool ValidForm(std::span<const FormField> fields) {
    for (const FormField& f : fields) {
        const bool word = f.kind == FieldKind::kNumber || f.kind == FieldKind::kChoice ||
                          f.kind == FieldKind::kDice || f.kind == FieldKind::kPicker;
        if (word && f.offset % (f.wide ? 4 : 2) != 0) return false;
        if (f.kind == FieldKind::kCheck && f.offset % 4 != 0) return false;
        if (f.kind == FieldKind::kText && (f.size == 0 || f.max >= f.size)) return false;
        if (f.kind == FieldKind::kChoice && (f.count <= 0 || f.count > 70)) return false;
    }
    return true;
}

int FieldShownNow(const FormField& field, const FormState& state);
// A choice field's list opened over the screen: the value chosen, or `value` on Esc (when
// allowed) or a click below the labels.
int16_t ChooseFormValue(const FormField& field, int16_t value, uint32_t escAllowed = 1);
void DrawFormFields(std::span<const FormField> fields, const FormState& state);
// Tests every shown field once, in order; a hit edits its value and redraws the screen. 1 when
// one was hit. The redraw may rebind the state, which later fields then use.
int EditFormFields(std::span<const FormField> fields, FormState& state, const FormRedraw& redraw);

// ---- Stepping -------------------------------------------------------------------------------

enum class Counter : uint8_t { kRecord, kPage };

// A button (or, without pieces, keys alone) that moves the record or the page by `delta`
// within 0..last, or to `delta` itself when absolute.
struct Stepper {
    std::string_view label;
    int16_t x, y, pieces;
    int16_t key1, key2;
    Counter counter;
    int16_t delta;
    uint8_t absolute = 0;
};

void DrawSteppers(std::span<const Stepper> steppers);
// 1 when a stepper was hit (the value may have stayed at an end).
int StepForm(std::span<const Stepper> steppers, FormState& state, int16_t lastRecord, int16_t lastPage);

// ---- Closing --------------------------------------------------------------------------------

struct FormButton {
    std::string_view label;
    int16_t x, y, pieces;
    int16_t key1, key2;
    int16_t click = 0;  // its click width in 10-pixel units, when not the drawn width
};

// How an editor ends. The saver reports a failed write with 0: then a box names the file and
// the editor stays open with its edits.
struct FormClose {
    FormButton save;
    FormButton cancel;  // no pieces: the editor has no Cancel
    uint32_t (*saver)();
    uint32_t (*loader)();
    std::string_view fileName;
    std::string_view savedText;  // empty: no message
    int16_t messageX = 200, messageY = 170;
    uint8_t actBeforeRedraw = 0;  // write or reload before the screen is drawn under the box
};

void DrawFormClose(const FormClose& close);
// The box of a failed write, over the screen.
void ShowSaveFailed(std::string_view fileName);
// Save, then the message: 1 when written.
int SaveForm(const FormClose& close, const FormRedraw& redraw);
// "    Changes Aborted!" and the table read again from its file.
void CancelForm(const FormClose& close, const FormRedraw& redraw);
// 1 when the editor is to end: Save was taken and written, or Cancel; in an editor without
// Cancel, also Esc once a save has failed (saveFailed, when given, remembers that).
int CloseForm(const FormClose& close, const FormRedraw& redraw, uint8_t* saveFailed = nullptr);

// ---- The loop -------------------------------------------------------------------------------

struct RecordForm {
    const char* screen;
    std::span<const FormField> fields;
    std::span<const Stepper> steppers;
    FormClose close;
    int16_t lastRecord = 0, lastPage = 0;
};

// The editor's own controls; 1 when something changed.
using FormControls = std::function<int(FormState& state, const FormRedraw& redraw)>;
struct FormHooks {
    FormControls before;  // tested before the fields
    FormControls after;   // tested after the fields
};
// Points the state's bases at the records its record and page stand for.
using FormBind = void (*)(FormState& state);
using FormDraw = std::function<void(const FormState& state, uint32_t flip)>;

// Draws and presents, then runs passes until Save or Cancel: before, the fields, after, the
// steppers, Save, Cancel; each change redraws (and rebinds) and presents the screen.
void RunRecordForm(const RecordForm& form, FormState& state, FormBind bind, const FormDraw& draw,
                   const FormHooks& hooks = {});
