#include "kit/db/campaign_editor.h"

#include <cstddef>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "kit/db/database_editors.h"
#include "kit/db/record_form.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

constinit const std::array<std::string_view, 4> WorldMapCountLabels = {"one map", "Two maps", "Three Maps", "None"};

namespace {

constexpr size_t kNameSize = sizeof(CustomCampaignRecord::WorldMapName[0]);
constexpr FormField MapName(size_t i, std::string_view label) {
    return TextField(offsetof(CustomCampaignRecord, WorldMapName) + i * kNameSize, kNameSize, kWorldMapNameLength,
                     {240, int16_t(227 + 22 * i), 130, 6}, {120, int16_t(232 + 22 * i), label});
}
constexpr auto kFields = JoinFields(
    ChoiceField(offsetof(CustomCampaignRecord, WorldMapPages), LabelsOf<WorldMapCountLabels>, 4, {240, 206, 130, 6},
                ListOf(6, 4), {120, 211, "No. of world maps", kSmallBlue}),
    MapName(0, "World Map 1 Name:"), MapName(1, "World Map 2 Name:"), MapName(2, "World Map 3 Name:"),
    CheckField(offsetof(CustomCampaignRecord, DurwichEnabled), 330, 315,
               {120, 317, "Include Durwich map ingame?", kSmallBlue}),
    CheckField(offsetof(CustomCampaignRecord, DurwichFastTravel), 330, 339,
               {120, 340, "Include Durwich Fast Travel Option?", kSmallBlue}),
    CheckField(offsetof(CustomCampaignRecord, EndQuotesEnabled), 330, 362,
               {120, 363, "Include endgame pithy quotes?", kSmallBlue}));
static_assert(ValidForm(kFields));

// Save is the only way out; it shows no message.
const FormClose kClose{.save = {"Save", 150, 385, 4, 'R', 0, 10},
                       .cancel = {},
                       .saver = SaveCustomFile,
                       .loader = nullptr,
                       .fileName = "Custom.dat",
                       .savedText = ""};

void Bind(FormState& s) { s.bases[0] = reinterpret_cast<std::byte*>(&CustomCampaign); }

}  // namespace

void DrawCustomCampaign(int16_t flip) {
    FormState state;
    Bind(state);
    BltFast(BackSurface, 0, 0, Slate2Picture, FullScreenRect, kBltOpaque);
    DrawPanel(100, 100, 18, 16, 1, "Custom Campaign");
    DrawSmallText(120, 160, "Determine number and name(s) of custom world", kSmallBlack);
    DrawSmallText(120, 172, "maps. Remove Durwich (default campaign city)", kSmallBlack);
    DrawSmallText(120, 184, "options if using custom world.", kSmallBlack);
    DrawFormFields(kFields, state);
    DrawDivider(110, 300, 17);
    DrawDivider(110, 370, 17);
    DrawFormClose(kClose);
    if (flip) Flip();
}

void RunCustomCampaignEditor() {
    const RecordForm form{.screen = "custom campaign", .fields = kFields, .steppers = {}, .close = kClose};
    FormState state;
    RunRecordForm(form, state, Bind, [](const FormState&, uint32_t flip) { DrawCustomCampaign(int16_t(flip)); });
}
