#include "kit/db/record_form.h"

#include <algorithm>

#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/widgets.h"

namespace {

bool HasValue(const Field& f) { return f.kind != FieldKind::kNone && f.kind != FieldKind::kButton; }

FieldValue ValueAt(const FormField& f, const FormState& state) {
    std::byte* base = HasValue(f.field) ? state.bases[f.base] : nullptr;
    return {base ? base + f.offset : nullptr, f.size};
}

// Shown, and bound to a record where it has a value.
bool Live(const FormField& f, const FormState& state, FieldValue v) {
    return (v.at || !HasValue(f.field)) && FieldShownNow(f, state);
}

int Pressed(const FormButton& b) {
    return ButtonClicked(b.x, b.y, b.click ? b.click : int16_t(2 * b.pieces), b.key1, b.key2, 1, 1);
}

}  // namespace

int16_t ChooseFormValue(const FormField& f, int16_t value, uint32_t escAllowed) {
    return ChooseFieldValue(f.field, value, escAllowed);
}

int FieldShownNow(const FormField& field, const FormState& state) {
    if (field.page >= 0 && field.page != state.page) return 0;
    return field.shown ? field.shown(state) : 1;
}

void DrawFormFields(std::span<const FormField> fields, const FormState& state) {
    for (const FormField& f : fields) {
        const FieldValue v = ValueAt(f, state);
        if (!Live(f, state, v)) continue;
        DrawLabel(f.label);
        DrawField(f.field, v);
    }
}

int EditFormFields(std::span<const FormField> fields, FormState& state, const FormRedraw& redraw) {
    int hit = 0;
    for (const FormField& f : fields) {
        const FieldValue v = ValueAt(f, state);
        if (!Live(f, state, v)) continue;
        const FieldPick pick = [&f](int16_t value) { return f.pick(value); };
        if (EditField(f.field, v, redraw, pick) == Edit::kNone) continue;
        if (f.action) f.action(state, redraw);
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
    return close.cancel.pieces == 0 && saveFailed && *saveFailed && KeyPressed(kEsc, 1, 0, 1) ? 1 : 0;
}

void RunRecordForm(const RecordForm& form, FormState& state, FormBind bind, const FormDraw& draw,
                   const FormHooks& hooks) {
    Screen screen(form.screen);
    const FormRedraw redraw = [&](uint32_t flip) {
        bind(state);
        draw(state, flip);
    };
    uint8_t saveFailed = 0;
    redraw(1);
    for (;;) {
        LoopPass(screen, [&] { redraw(1); });
        if (hooks.before && hooks.before(state, redraw)) redraw(1);
        EditFormFields(form.fields, state, redraw);
        if (hooks.after && hooks.after(state, redraw)) redraw(1);
        if (StepForm(form.steppers, state, form.lastRecord, form.lastPage)) redraw(1);
        if (CloseForm(form.close, redraw, &saveFailed)) return;
    }
}
