#include "kit/db/forge_editor.h"

#include <algorithm>
#include <cstddef>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/item_records.h"
#include "data/text_field.h"
#include "kit/db/database_editors.h"
#include "kit/db/record_form.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/keys.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

constinit const std::array<std::string_view, 4> ForgeTypeLabels = {"Witches' Cauldron", "Bone Forge", "Mystic Forge",
                                                                   "Forge of Deroz"};

namespace {

constexpr int16_t kLastRecipe = int16_t(std::tuple_size_v<decltype(ForgeTable)> - 1);
constexpr int16_t kLastItem = kItemCount - 1;

constexpr auto kFields = JoinFields(
    ChoiceField(offsetof(ForgeRecipe, ForgeType), LabelsOf<ForgeTypeLabels>, 4, {150, 95, 160, 7}, ListOf(7, 4),
                {60, 100, "Forge Type:"}),
    FieldColumn<5>(NumberField(offsetof(ForgeRecipe, ForgeReqItems), -1, kLastItem, {150, 125, 60, 3},
                               {60, 130, "Req Item:"}),
                   22, sizeof(int16_t)),
    NumberField(offsetof(ForgeRecipe, ForgeResult), -1, kLastItem, {190, 290, 60, 3},
                {60, 295, "Item num created:               power            charges "}),
    NumberField(offsetof(ForgeRecipe, ForgeResult) + 2, 0, kLastItem, {290, 290, 60, 3}),
    NumberField(offsetof(ForgeRecipe, ForgeResult) + 4, 0, kLastItem, {400, 290, 60, 3}));
static_assert(ValidForm(kFields));

constexpr Stepper kSteppers[] = {{"", 0, 0, 0, kHome, 0, Counter::kRecord, 0, 1},
                                 {"", 0, 0, 0, kEnd, 0, Counter::kRecord, kLastRecipe, 1},
                                 {"-10", 50, 410, 2, 0, 0, Counter::kRecord, -10},
                                 {"Prev", 100, 410, 2, 'P', 0, Counter::kRecord, -1},
                                 {"Next", 150, 410, 2, 'N', 0, Counter::kRecord, 1},
                                 {"+10", 200, 410, 2, 0, 0, Counter::kRecord, 10}};

const FormClose kClose{.save = {"Save", 300, 410, 3, 'S', 0},
                       .cancel = {"Cancel", 370, 410, 3, 27, 'C'},
                       .saver = SaveForgeFile,
                       .loader = LoadForgeFile,
                       .fileName = "Forge.dat",
                       .savedText = "    Forge File Saved!"};

void Bind(FormState& s) { s.bases[0] = reinterpret_cast<std::byte*>(&ForgeTable[size_t(s.record)]); }

// An item's name from the table; nothing for a number outside it.
void DrawItemName(int16_t item, int16_t x, int16_t y) {
    if (item >= 0 && item < kItemCount) DrawSmallText(x, y, FieldText(ItemTable[size_t(item)].ItemName), kSmallBlue);
}

}  // namespace

void DrawForgeEditor(int16_t recipe, int16_t flip) {
    FormState state;
    state.record = std::clamp<int16_t>(recipe, 0, kLastRecipe);
    Bind(state);
    const ForgeRecipe& r = ForgeTable[size_t(state.record)];
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 24, 22, 1, "Forge Recipe Editor");
    DrawSmallText(60, 70, "Forge number:", kSmallBlack);
    DrawSmallText(160, 70, NumberText(state.record), kSmallBlue);
    DrawFormFields(kFields, state);
    for (int16_t i = 0; i < 5; ++i) DrawItemName(r.ForgeReqItems[i], 220, int16_t(130 + 22 * i));
    // Item 0 is no product.
    if (r.ForgeResult[0] > 0) DrawItemName(r.ForgeResult[0], 60, 310);
    DrawDivider(25, 388, 23);
    DrawSteppers(kSteppers);
    DrawFormClose(kClose);
    if (flip) Flip();
}

void RunForgeEditor() {
    const RecordForm form{.screen = "forge editor",
                          .fields = kFields,
                          .steppers = kSteppers,
                          .close = kClose,
                          .lastRecord = kLastRecipe};
    FormState state;
    RunRecordForm(form, state, Bind, [](const FormState& s, uint32_t flip) { DrawForgeEditor(s.record, int16_t(flip)); });
}
