#include "kit/db/win_text_editor.h"

#include <algorithm>
#include <cstddef>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/text_field.h"
#include "kit/db/database_editors.h"
#include "kit/db/record_form.h"
#include "kit/level/zone_names_editor.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

constinit const std::array<std::string_view, 2> WinTextLabels = {"VexWin1", "VexWin2"};

namespace {

constexpr int16_t kLastText = 1, kLastPage = 9, kLinesPerPage = 10;
constexpr uint8_t kText = 0, kLines = 1, kState = 2;  // the form's bases
constexpr size_t kLineSize = sizeof(WinTextRecord::Line[0]);

void AskClear(const FormState& s, const FormRedraw& redraw) {
    redraw(0);
    if (Confirm(210, 175, "Really clear txt?")) ClearWinText(s.record);
}
int OnText0(const FormState& s) { return s.record == 0; }
int OnText1(const FormState& s) { return s.record == 1; }

constexpr auto kFields = JoinFields(
    ActionButton("Clear VexWin1", AskClear, {290, 85, 100, 5}).When(OnText0),
    ActionButton("Clear VexWin2", AskClear, {290, 85, 100, 5}).When(OnText1),
    NumberField(offsetof(WinTextRecord, Indent), 0, 500, {140, 130, 60, 3}, {50, 135, "Pixels to left:"}),
    ChoiceField(offsetof(WinTextRecord, Tune), LabelsOf<TuneNames>, 19, {280, 130, 120, 5}, ListOf(6, 14),
                {230, 135, "Tune:"}),
    FieldColumn<kLinesPerPage>(TextField(0, kLineSize, 48, {70, 165, 320, 16}).From(kLines), 20, kLineSize));
static_assert(ValidForm(kFields));

// The text itself: drawn by the form, opened by the loop, which turns to the first page when
// the text changes.
constexpr FormField kTextField =
    ChoiceField(0, LabelsOf<WinTextLabels>, 2, {50, 85, 120, 5}, ListOf(6, 2)).From(kState);

constexpr Stepper kSteppers[] = {{"Pg Up", 100, 375, 3, 33, 38, Counter::kPage, -1},
                                 {"Pg Down", 170, 375, 3, 34, 40, Counter::kPage, 1},
                                 {"Home", 270, 375, 3, 36, 0, Counter::kPage, 0, 1},
                                 {"End", 340, 375, 3, 35, 0, Counter::kPage, kLastPage, 1}};

const FormClose kClose{.save = {"Save", 200, 415, 4, 'S', 0},
                       .cancel = {"Cancel", 300, 415, 4, 27, 'C'},
                       .saver = SaveWinTxtFile,
                       .loader = LoadWinTxtFile,
                       .fileName = "WinTxt.dat",
                       .savedText = "Win Text File Saved!",
                       .messageX = 150};

void Bind(FormState& s) {
    WinTextRecord& text = WinTexts[size_t(s.record)];
    s.bases[kText] = reinterpret_cast<std::byte*>(&text);
    s.bases[kLines] = reinterpret_cast<std::byte*>(&text.Line[kLinesPerPage * s.page][0]);
    s.bases[kState] = reinterpret_cast<std::byte*>(&s.record);
}

}  // namespace

void ClearWinText(int16_t text) {
    if (text < 0 || text > kLastText) return;
    for (auto& line : WinTexts[size_t(text)].Line) SetFieldText(line, "");
}

void DrawWinTextEditor(int16_t text, int16_t page, int16_t flip) {
    FormState state;
    state.record = std::clamp<int16_t>(text, 0, kLastText);
    state.page = std::clamp<int16_t>(page, 0, kLastPage);
    Bind(state);
    BltFast(BackSurface, 0, 0, WinPictures[size_t(state.record)], FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 21, 22, 1, "Define Win Game Text");
    DrawSmallText(50, 65, "Defines scrolling 'end game' text for script event WIN.", kSmallBlue);
    DrawFormFields({&kTextField, 1}, state);
    DrawDivider(25, 105, 20);
    for (int16_t i = 0; i < kLinesPerPage; ++i)
        DrawSmallText(55, int16_t(170 + 20 * i), NumberText(kLinesPerPage * state.page + i), kSmallBlack);
    DrawFormFields(kFields, state);
    DrawSteppers(kSteppers);
    DrawDivider(25, 395, 20);
    DrawFormClose(kClose);
    DrawPanel(450, 12, 8, 10, 1, "Codes");
    DrawSmallText(470, 70, "% = final score line", kSmallBlue);
    DrawSmallText(470, 90, "! = end of text line", kSmallBlue);
    DrawSmallText(470, 130, "Note: code must be", kSmallBlack);
    DrawSmallText(470, 145, "the first character", kSmallBlack);
    DrawSmallText(470, 160, "on the line to work.", kSmallBlack);
    if (flip) Flip();
}

void RunWinTextEditor() {
    const RecordForm form{.screen = "win text editor",
                          .fields = kFields,
                          .steppers = kSteppers,
                          .close = kClose,
                          .lastRecord = kLastText,
                          .lastPage = kLastPage};
    FormState state;
    FormHooks hooks;
    hooks.before = [](FormState& s, const FormRedraw& redraw) {
        if (!ButtonClicked(50, 85, 12, 0, 0, 1, 1)) return 0;
        redraw(0);
        const int16_t text = ChooseFormValue(kTextField, s.record);
        if (text != s.record) {
            s.record = text;
            s.page = 0;
        }
        return 1;
    };
    RunRecordForm(form, state, Bind,
                  [](const FormState& s, uint32_t flip) { DrawWinTextEditor(s.record, s.page, int16_t(flip)); }, hooks);
}
