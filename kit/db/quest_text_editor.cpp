#include "kit/db/quest_text_editor.h"

#include <algorithm>
#include <cstddef>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/text_field.h"
#include "kit/db/database_editors.h"
#include "kit/db/record_form.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kLastQuest = int16_t(std::tuple_size_v<decltype(QuestTextTable)> - 1);
constexpr uint8_t kQuest = 0, kState = 2;  // the form's bases
constexpr size_t kLineSize = sizeof(QuestTextRecord::Line[0]);

constexpr auto kFields = JoinFields(
    FieldColumn<6>(TextField(offsetof(QuestTextRecord, Line), kLineSize, 56, {50, 100, 360, 18}), 22, kLineSize),
    CheckField(offsetof(QuestTextRecord, HasAward), 30, 260),
    TextField(offsetof(QuestTextRecord, Award), sizeof(QuestTextRecord::Award), 56, {50, 260, 360, 18}),
    TextField(offsetof(QuestTextRecord, ReturnAddress), sizeof(QuestTextRecord::ReturnAddress), 56,
              {50, 310, 360, 18}),
    // The quest number itself.
    NumberField(0, 0, kLastQuest, {140, 340, 40}).From(kState).Key('G'));
static_assert(ValidForm(kFields));

constexpr Stepper kSteppers[] = {{"Prev", 50, 340, 2, 'P', 0, Counter::kRecord, -1},
                                 {"Next", 95, 340, 2, 'N', 0, Counter::kRecord, 1}};

const FormClose kClose{.save = {"Save", 250, 375, 4, 'S', 0},
                       .cancel = {"Cancel", 350, 375, 4, 27, 'C'},
                       .saver = SaveQuestTextFile,
                       .loader = LoadQuestTextFile,
                       .fileName = "QuestText.dat",
                       .savedText = "Quest Text File Saved!",
                       .actBeforeRedraw = 1};

void Bind(FormState& s) {
    s.bases[kQuest] = reinterpret_cast<std::byte*>(&QuestTextTable[size_t(s.record)]);
    s.bases[kState] = reinterpret_cast<std::byte*>(&s.record);
}

int Erase(FormState& s, const FormRedraw& redraw) {
    if (!ButtonClicked(200, 340, 8, 0, 0, 1, 1)) return 0;
    redraw(0);
    if (Confirm(200, 170, "Really erase this quest?")) {
        QuestTextRecord& q = QuestTextTable[size_t(s.record)];
        for (auto& line : q.Line) SetFieldText(line, "");
        SetFieldText(q.Award, "");
        SetFieldText(q.ReturnAddress, "");
        q.HasAward = 0;
    }
    return 1;
}

}  // namespace

void DrawQuestTextEditor(int16_t quest, int16_t flip) {
    FormState state;
    state.record = std::clamp<int16_t>(quest, 0, kLastQuest);
    Bind(state);
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 24, 20, 1, "Quest Description Editor");
    DrawSmallText(50, 80, "Quest description (first line is quest title)", kSmallBlue);
    DrawSmallText(50, 245, "Award description (when complete)", kSmallBlue);
    DrawSmallText(50, 295, "Quest Return Address", kSmallBlue);
    DrawFormFields(kFields, state);
    DrawSteppers(kSteppers);
    DrawButton(200, 340, 4, "Erase");
    DrawDivider(25, 360, 23);
    DrawFormClose(kClose);
    if (flip) Flip();
}

void RunQuestTextEditor() {
    const RecordForm form{.screen = "quest text editor",
                          .fields = kFields,
                          .steppers = kSteppers,
                          .close = kClose,
                          .lastRecord = kLastQuest};
    FormState state;
    FormHooks hooks;
    hooks.after = Erase;
    RunRecordForm(form, state, Bind,
                  [](const FormState& s, uint32_t flip) { DrawQuestTextEditor(s.record, int16_t(flip)); }, hooks);
}
