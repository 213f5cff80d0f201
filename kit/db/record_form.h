// The one form of the database editors: fields bound to the records of a table, drawn and
// edited by their kind; stepping through records and pages; Save and Cancel.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "platform/field_kinds.h"
#include "platform/join_rows.h"

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
using FormRedraw = FieldRedraw;
using FieldAction = void (*)(const FormState& state, const FormRedraw& redraw);

// A field bound to a value of one of the state's records.
struct FormField {
    Field field{};
    uint8_t base = 0;     // which of the state's records holds the value
    uint16_t offset = 0;  // of the value in that record
    uint16_t size = 0;    // a text's field
    Label label{};
    int8_t page = -1;
    FieldShown shown = nullptr;
    FieldPicker pick = nullptr;
    FieldAction action = nullptr;

    constexpr FormField On(int8_t p) const { return With(*this, &FormField::page, p); }
    constexpr FormField When(FieldShown s) const { return With(*this, &FormField::shown, s); }
    constexpr FormField From(uint8_t b) const { return With(*this, &FormField::base, b); }
    constexpr FormField Key(int16_t k) const { return With(*this, &FormField::field, field.Key(k)); }
    constexpr FormField Wide() const { return With(*this, &FormField::field, field.Wide()); }
};

constexpr FormField FormNote(Label label) { return {.label = label}; }
constexpr FormField NumberField(size_t offset, int16_t min, int16_t max, At at, Label label = {}) {
    return {.field = NumberControl(min, max, at), .offset = uint16_t(offset), .label = label};
}
constexpr FormField TextField(size_t offset, size_t size, int16_t maxLength, At at, Label label = {}) {
    return {.field = TextControl(0, maxLength, at), .offset = uint16_t(offset), .size = uint16_t(size),
            .label = label};
}
// Esc keeps the value.
constexpr FormField ChoiceField(size_t offset, LabelFn labels, int16_t count, At at, ListAt list, Label label = {},
                                int16_t shift = 0) {
    return {.field = ChoiceControl(labels, count, at, list, shift), .offset = uint16_t(offset), .label = label};
}
// A 32-bit switch, 0 or 1.
constexpr FormField CheckField(size_t offset, int16_t x, int16_t y, Label label = {}) {
    return {.field = SwitchControl(x, y), .offset = uint16_t(offset), .label = label};
}
// The dice dialog opens at (100, 120), where every editor puts it.
constexpr FormField DiceField(size_t offset, std::string_view title, At at, Label label = {}) {
    return {.field = DiceControl(title, at, 100, 120), .offset = uint16_t(offset), .label = label};
}
// A value chosen on a picker's screen; drawn as a number field, or as the picker icon when it
// has no pieces.
constexpr FormField PickerField(size_t offset, FieldPicker pick, At at, Label label = {}) {
    return {.field = at.pieces > 0 ? PickerFieldControl(at) : PickerIcon(at.x, at.y), .offset = uint16_t(offset),
            .label = label, .pick = pick};
}
constexpr FormField ActionButton(std::string_view title, FieldAction action, At at) {
    return {.field = ButtonControl(title, at), .action = action};
}

// The rows 0..N-1 of a field, each moved by (0, dy) and its value by `stride` bytes.
template <size_t N>
constexpr std::array<FormField, N> FieldColumn(FormField first, int16_t dy, size_t stride) {
    std::array<FormField, N> out{};
    for (size_t i = 0; i < N; ++i) {
        out[i] = first;
        out[i].offset = uint16_t(first.offset + i * stride);
        out[i].field.y = int16_t(first.field.y + int16_t(i) * dy);
        if (!first.label.text.empty()) out[i].label.y = int16_t(first.label.y + int16_t(i) * dy);
    }
    return out;
}

// Fields and arrays of fields, one after the other.
template <class... Parts>
constexpr auto JoinFields(const Parts&... parts) {
    return JoinRows<FormField>(parts...);
}

// Values must be aligned in their record (16 bits, 32 where wide); a text's length fits its field.
constexpr bool ValidForm(std::span<const FormField> fields) {
    for (const FormField& r : fields) {
        const Field& f = r.field;
        if (!ValidField(f)) return false;
        const bool word = f.kind == FieldKind::kNumber || f.kind == FieldKind::kChoice ||
                          f.kind == FieldKind::kToggle || f.kind == FieldKind::kDice || f.kind == FieldKind::kPicker;
        if (word && r.offset % (f.wide ? 4 : 2) != 0) return false;
        if (f.kind == FieldKind::kText && (r.size == 0 || f.max >= r.size)) return false;
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
