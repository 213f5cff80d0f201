#include "kit/db/module_editor.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "kit/db/database_editors.h"
#include "kit/db/module_description.h"
#include "kit/db/record_form.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

constinit const std::array<std::string_view, 9> ModuleColourLabels = {"Green", "Purple", "Cyan",   "Yellow", "Blue",
                                                                      "Cyan",  "Orange", "Grey", "Pink"};
constinit const std::array<std::string_view, 3> ModuleMapLabels = {"Homelands", "Frontier Lands", "Eastern Lands"};

namespace {

constexpr int16_t kLastModule = int16_t(std::tuple_size_v<decltype(ModuleTable)> - 1);
constexpr int8_t kFront1 = 0, kFront2 = 1, kStart = 3;
constexpr int16_t kPreviewX = 340, kPreviewY = 10;

#define AT(field) offsetof(ModuleRecord, field)
constexpr size_t kTitleSize = sizeof(ModuleRecord::ModuleTitle[0]);
constexpr size_t kIntroSize = sizeof(ModuleRecord::ModuleIntro[0]);

constexpr auto kFields = JoinFields(
    // Front1.
    NumberField(AT(ModuleLevels), 1, 50, {115, 80, 40}, {40, 85, "Rec Level: "}).On(kFront1),
    NumberField(AT(ModuleLevels) + 2, 1, 50, {190, 80, 40}, {165, 85, "to"}).On(kFront1),
    FormNote({40, 115, "Module title:", kSmallBlue}).On(kFront1),
    FieldColumn<2>(TextField(AT(ModuleTitle), kTitleSize, 23, {40, 130, 240, 8}).On(kFront1), 21, kTitleSize),
    FormNote({40, 176, "Intro text:", kSmallBlue}).On(kFront1),
    FieldColumn<3>(TextField(AT(ModuleIntro), kIntroSize, 30, {40, 191, 200}).On(kFront1), 21, kIntroSize),
    FormNote({40, 261, "Credit Line:", kSmallBlue}).On(kFront1),
    TextField(AT(ModuleCredit1), sizeof(ModuleRecord::ModuleCredit1), 26, {40, 276, 180}).On(kFront1),
    TextField(AT(ModuleCredit2), sizeof(ModuleRecord::ModuleCredit2), 26, {40, 297, 180}).On(kFront1),
    // Front2.
    ChoiceField(AT(ModuleColour), LabelsOf<ModuleColourLabels>, 9, {115, 100, 160, 7}, ListOf(8, 9),
                {40, 105, "Colour: "})
        .On(kFront2),
    ChoiceField(AT(ModuleMap), LabelsOf<ModuleMapLabels>, 3, {115, 140, 160, 7}, ListOf(7, 3), {40, 145, "Map: "})
        .On(kFront2),
    NumberField(AT(ModuleTopXY), 0, 500, {115, 166, 40}, {40, 171, "TopXY: X="}).On(kFront2),
    NumberField(AT(ModuleTopXY) + 2, 0, 500, {190, 166, 40}, {165, 171, "Y="}).On(kFront2),
    NumberField(AT(ModulePointer), 0, 200, {115, 210, 40}, {40, 215, "Pointer: X="}).On(kFront2),
    NumberField(AT(ModulePointer) + 2, 0, 110, {190, 210, 40}, {165, 215, "Y="}).On(kFront2),
    FormNote({40, 245, "Click on map area to place pointer", kSmallBlue}).On(kFront2),
    // Start.
    FormNote({50, 100, "Hero Start location:"}).On(kStart),
    NumberField(AT(ModuleStart), 0, 129, {82, 115, 40}, {50, 120, "map=         X=           Y="}).On(kStart),
    NumberField(AT(ModuleStart) + 2, 0, 49, {150, 115, 40}).On(kStart),
    NumberField(AT(ModuleStart) + 4, 0, 49, {226, 115, 40}).On(kStart),
    NumberField(AT(ModuleDoneFlag), 0, 7999, {100, 195, 40}, {50, 200, "If flag          = 1, module completed."})
        .On(kStart),
    FormNote({50, 220, "(Can't return)"}).On(kStart));
#undef AT
static_assert(ValidForm(kFields));

constexpr Stepper kSteppers[] = {{"Front1", 30, 340, 3, 0, 0, Counter::kPage, kFront1, 1},
                                 {"Front2", 92, 340, 3, 0, 0, Counter::kPage, kFront2, 1},
                                 {"Start", 216, 340, 3, 0, 0, Counter::kPage, kStart, 1},
                                 {"Prev", 30, 390, 2, 'P', 0, Counter::kRecord, -1},
                                 {"Next", 80, 390, 2, 'N', 0, Counter::kRecord, 1}};

const FormClose kClose{.save = {"Save", 160, 390, 3, 'S', 0},
                       .cancel = {"Cancel", 230, 390, 3, 27, 'C'},
                       .saver = SaveModuleFile,
                       .loader = LoadModuleFile,
                       .fileName = "Module.dat",
                       .savedText = "   Module File Saved!",
                       .actBeforeRedraw = 1};

void Bind(FormState& s) { s.bases[0] = reinterpret_cast<std::byte*>(&ModuleTable[size_t(s.record)]); }

}  // namespace

void DrawModuleEditor(int16_t previewHidden, int16_t previewX, int16_t previewY, int16_t module, int16_t page,
                      int16_t flip) {
    FormState state;
    state.record = std::clamp<int16_t>(module, 0, kLastModule);
    state.page = page;
    Bind(state);
    BltFast(BackSurface, 0, 0, Slate2Picture, FullScreenRect, kBltOpaque);
    if (!previewHidden) DrawModuleDescription(previewX, previewY, state.record);
    DrawPanel(10, 10, 15, 21, 1, "Module Editor");
    DrawSmallText(40, 65, "Module Number: " + std::to_string(state.record), kSmallBlue);
    DrawFormFields(kFields, state);
    DrawSteppers(kSteppers);
    DrawDivider(20, 370, 14);
    DrawFormClose(kClose);
    if (flip) Flip();
}

void RunModuleEditor() {
    const RecordForm form{.screen = "module editor",
                          .fields = kFields,
                          .steppers = kSteppers,
                          .close = kClose,
                          .lastRecord = kLastModule,
                          .lastPage = kStart};
    FormState state;
    int16_t previewHidden = 0;
    FormHooks hooks;
    hooks.before = [&](FormState&, const FormRedraw&) {
        // T, or a click on the unmarked place below the card.
        if (!ButtonClicked(510, 380, 6, 'T', 0, 1, 2)) return 0;
        previewHidden = previewHidden ? 0 : 1;
        return 1;
    };
    hooks.after = [&](FormState& s, const FormRedraw&) {
        if (s.page != kFront2 || previewHidden || !AreaClicked(375, 120, 209, 119, 0, 1, 1, 0)) return 0;
        // The pointer's tip comes to the cursor.
        ModuleRecord& m = ModuleTable[size_t(s.record)];
        m.ModulePointer[0] = int16_t(CursorPos.x - kPreviewX - 38);
        m.ModulePointer[1] = int16_t(CursorPos.y - kPreviewY - 112);
        return 1;
    };
    RunRecordForm(form, state, Bind, [&](const FormState& s, uint32_t flip) {
        DrawModuleEditor(previewHidden, kPreviewX, kPreviewY, s.record, s.page, int16_t(flip));
    }, hooks);
}
