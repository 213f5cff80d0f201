#include "kit/db/record_form.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/dice.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/list_chooser.h"
#include "platform/message_boxes.h"
#include "platform/number_entry.h"
#include "platform/text_entry.h"
#include "platform/widgets.h"

namespace {

bool HasValue(const FormField& f) { return f.kind != FieldKind::kNote && f.kind != FieldKind::kAction; }

std::byte* ValueAt(const FormField& f, const FormState& state) {
    std::byte* base = HasValue(f) ? state.bases[f.base] : nullptr;
    return base ? base + f.offset : nullptr;
}

// Shown, and bound to a record where it has a value.
bool Live(const FormField& f, const FormState& state, std::byte* at) {
    return (at || !HasValue(f)) && FieldShownNow(f, state);
}
int16_t& WordAt(std::byte* at, size_t i = 0) { return reinterpret_cast<int16_t*>(at)[i]; }
// A 32-bit value beyond 16 bits shows as the nearest 16-bit value; storing writes all 32.
int16_t ValueOf(const FormField& f, std::byte* at) {
    if (!f.wide) return WordAt(at);
    return int16_t(std::clamp<int64_t>(*reinterpret_cast<int32_t*>(at), INT16_MIN, INT16_MAX));
}
void SetValue(const FormField& f, std::byte* at, int16_t value) {
    if (f.wide) *reinterpret_cast<int32_t*>(at) = value;
    else WordAt(at) = value;
}
uint32_t& SwitchAt(std::byte* at) { return *reinterpret_cast<uint32_t*>(at); }
std::span<char> TextAt(const FormField& f, std::byte* at) { return {reinterpret_cast<char*>(at), f.size}; }

// A value from a file may lie outside the labels: the field then shows empty.
std::string_view ChoiceLabel(const FormField& f, int16_t value) {
    const int32_t row = int32_t(value) - f.shift;
    return row >= 0 && row < f.count ? f.labels(row) : std::string_view();
}

int Clicked(const FormField& f) { return ButtonClicked(f.x, f.y, int16_t(f.click / 10), f.hotkey, 0, 1, 1); }

int Pressed(const FormButton& b) {
    return ButtonClicked(b.x, b.y, b.click ? b.click : int16_t(2 * b.pieces), b.key1, b.key2, 1, 1);
}

constexpr int16_t kPickerIcon = 35;

}  // namespace

int16_t ChooseFormValue(const FormField& f, int16_t value, uint32_t escAllowed) {
    for (int16_t row = 0; row < f.count; ++row) SetListRow(size_t(row), f.labels(row));
    const int16_t row =
        ChooseFromList(f.listX, f.listY, f.listPieces, f.listRows, int16_t(value - f.shift), f.count, escAllowed);
    return row >= 0 && row < f.count ? int16_t(row + f.shift) : value;
}

int FieldShownNow(const FormField& field, const FormState& state) {
    if (field.page >= 0 && field.page != state.page) return 0;
    return field.shown ? field.shown(state) : 1;
}

void DrawFormFields(std::span<const FormField> fields, const FormState& state) {
    for (const FormField& f : fields) {
        std::byte* at = ValueAt(f, state);
        if (!Live(f, state, at)) continue;
        if (!f.label.text.empty()) DrawSmallText(f.label.x, f.label.y, f.label.text, f.label.colour);
        switch (f.kind) {
            case FieldKind::kNote: break;
            case FieldKind::kNumber: DrawTextField(f.x, f.y, f.pieces, NumberText(ValueOf(f, at))); break;
            case FieldKind::kText: {
                const std::span<char> text = TextAt(f, at);
                DrawTextField(f.x, f.y, f.pieces, std::string_view(text.data(), strnlen(text.data(), text.size())));
                break;
            }
            case FieldKind::kChoice: DrawChoiceField(f.x, f.y, f.pieces, ChoiceLabel(f, ValueOf(f, at))); break;
            case FieldKind::kCheck: DrawCheckBox(f.x, f.y, SwitchAt(at)); break;
            case FieldKind::kDice: DrawDiceButton(f.x, f.y, f.pieces, WordAt(at), WordAt(at, 1), WordAt(at, 2)); break;
            case FieldKind::kPicker:
                if (f.pieces > 0) DrawTextField(f.x, f.y, f.pieces, NumberText(ValueOf(f, at)));
                else DrawIcon(BackSurface, f.x, f.y, kPickerIcon);
                break;
            case FieldKind::kAction: DrawButton(f.x, f.y, f.pieces, f.title); break;
        }
    }
}

int EditFormFields(std::span<const FormField> fields, FormState& state, const FormRedraw& redraw) {
    int hit = 0;
    for (const FormField& f : fields) {
        std::byte* at = ValueAt(f, state);
        if (!Live(f, state, at)) continue;
        switch (f.kind) {
            case FieldKind::kNote: continue;
            case FieldKind::kNumber:
                if (!Clicked(f)) continue;
                SetValue(f, at, EnterNumber(f.x, f.y, f.pieces, f.min, f.max));
                break;
            case FieldKind::kText:
                if (!Clicked(f)) continue;
                EnterText(f.x, f.y, TextAt(f, at), f.min, f.max, 1, 0, -1, -1, -1, -1);
                break;
            case FieldKind::kChoice:
                if (!Clicked(f)) continue;
                redraw(0);
                SetValue(f, at, ChooseFormValue(f, ValueOf(f, at)));
                break;
            case FieldKind::kCheck: {
                uint32_t& flag = SwitchAt(at);
                const uint32_t before = flag;
                ToggleCheckBox(f.x, f.y, flag);
                if (flag == before) continue;
                break;
            }
            case FieldKind::kDice:
                if (!Clicked(f)) continue;
                redraw(0);
                EditDice(f.listX, f.listY, f.title, WordAt(at), WordAt(at, 1), WordAt(at, 2));
                break;
            case FieldKind::kPicker: {
                const bool hit = f.pieces > 0 ? Clicked(f) : AreaClicked(f.x, f.y, 15, 15, 0, 1, 1, 1);
                if (!hit) continue;
                SetValue(f, at, f.pick(ValueOf(f, at)));
                break;
            }
            case FieldKind::kAction:
                if (!Clicked(f)) continue;
                f.action(state, redraw);
                break;
        }
        redraw(1);
        hit = 1;
    }
    return hit;
}

void DrawSteppers(std::span<const Stepper> steppers) {
    for (const Stepper& s : steppers)
        if (s.pieces > 0) DrawButton(s.x, s.y, s.pieces, s.label);
}

int StepForm(std::span<const Stepper> steppers, FormState& state, int16_t lastRecord, int16_t lastPage) {
    for (const Stepper& s : steppers) {
        const bool hit = s.pieces > 0 ? ButtonClicked(s.x, s.y, int16_t(2 * s.pieces), s.key1, s.key2, 1, 1) != 0
                                      : KeyPressed(s.key1, 1, 0, 1) != 0 || (s.key2 && KeyPressed(s.key2, 1, 0, 1));
        if (!hit) continue;
        int16_t& value = s.counter == Counter::kRecord ? state.record : state.page;
        const int16_t last = s.counter == Counter::kRecord ? lastRecord : lastPage;
        value = int16_t(std::clamp<int32_t>(s.absolute ? s.delta : value + s.delta, 0, last));
        return 1;
    }
    return 0;
}

void DrawFormClose(const FormClose& close) {
    DrawButton(close.save.x, close.save.y, close.save.pieces, close.save.label);
    if (close.cancel.pieces > 0) DrawButton(close.cancel.x, close.cancel.y, close.cancel.pieces, close.cancel.label);
}

void ShowSaveFailed(std::string_view fileName) {
    ShowMessage(200, 170, std::string(" ") + std::string(fileName) + " not saved!", " Your edits are kept.");
}

int SaveForm(const FormClose& close, const FormRedraw& redraw) {
    if (!close.actBeforeRedraw) redraw(0);
    const uint32_t written = close.saver();
    if (close.actBeforeRedraw) redraw(0);
    if (!written) {
        ShowSaveFailed(close.fileName);
        return 0;
    }
    if (!close.savedText.empty()) ShowMessage(close.messageX, close.messageY, close.savedText, "");
    return 1;
}

void CancelForm(const FormClose& close, const FormRedraw& redraw) {
    if (close.actBeforeRedraw) close.loader();
    redraw(0);
    ShowMessage(close.messageX, close.messageY, "    Changes Aborted!", "");
    if (!close.actBeforeRedraw) close.loader();
}

int CloseForm(const FormClose& close, const FormRedraw& redraw, uint8_t* saveFailed) {
    if (Pressed(close.save)) {
        if (SaveForm(close, redraw)) return 1;
        if (saveFailed) *saveFailed = 1;
        redraw(1);
        return 0;
    }
    if (close.cancel.pieces > 0 && Pressed(close.cancel)) {
        CancelForm(close, redraw);
        return 1;
    }
    // Without Cancel a file that cannot be written would hold the author here for good.
    constexpr int16_t kEsc = 27;
    return close.cancel.pieces == 0 && saveFailed && *saveFailed && KeyPressed(kEsc, 1, 0, 1) ? 1 : 0;
}

void RunRecordForm(const RecordForm& form, FormState& state, FormBind bind, const FormDraw& draw,
                   const FormHooks& hooks) {
    const FormRedraw redraw = [&](uint32_t flip) {
        bind(state);
        draw(state, flip);
    };
    uint8_t saveFailed = 0;
    redraw(1);
    for (;;) {
        LoopPass(form.screen, [&] { redraw(1); });
        if (hooks.before && hooks.before(state, redraw)) redraw(1);
        EditFormFields(form.fields, state, redraw);
        if (hooks.after && hooks.after(state, redraw)) redraw(1);
        if (StepForm(form.steppers, state, form.lastRecord, form.lastPage)) redraw(1);
        if (CloseForm(form.close, redraw, &saveFailed)) return;
    }
}
