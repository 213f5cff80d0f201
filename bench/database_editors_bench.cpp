// The database editors' heaviest drawings against one opaque full-screen copy ("full_frames"):
// the module card, inset and frame included (target at most 2), and the item editor on an
// item page and on a list page (target at most 4).
#include <benchmark/benchmark.h>


#include "bench/full_frames.h"
#include "bench/headless_display.h"
#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/text_field.h"
#include "kit/db/item_categories.h"
#include "kit/db/item_editor.h"
#include "kit/db/module_description.h"

namespace {

struct Module : HeadlessDisplay {
    Module() : HeadlessDisplay("vexmoor-database-editors-bench") {
        LoadDataFiles();
    }
};

void DrawModuleCard(benchmark::State& state) {
    Module module;
    ModuleRecord& m = ModuleTable[7];
    SetFieldText(m.ModuleTitle[0], "The Drowned Vault");
    SetFieldText(m.ModuleTitle[1], "of the Marsh King");
    for (auto& line : m.ModuleIntro) SetFieldText(line, "Below the marsh a vault waits.");
    SetFieldText(m.ModuleCredit1, "Written by a patient author");
    m.ModuleColour = 3;
    m.ModuleMap = 1;
    m.ModuleTopXY[0] = 120;
    m.ModuleTopXY[1] = 90;
    ReportFrames(state, [&] {
        DrawModuleDescription(200, 20, 7);
        module.host.texts.clear();
    });
}
BENCHMARK(DrawModuleCard);

// Stepping through a category's items (into the back buffer; presenting is the host's): category
// 0 shows item pages, the last category list pages of sixteen names and pictures.
void DrawItemEditorScreen(benchmark::State& state) {
    Module module;
    const int16_t category = int16_t(state.range(0));
    const auto& list = ItemCategoryLists[size_t(category)];
    ForgetItemEditorBackdrop();
    size_t at = 0;
    ReportFrames(state, [&] {
        at = at + 1 < list.size() && list[at + 1] >= 0 ? at + 1 : 0;
        DrawItemEditor(category, list[at], 0, 0);
        module.host.texts.clear();
    });
}
BENCHMARK(DrawItemEditorScreen)->Arg(0)->Arg(kItemCategoryCount - 1);

}  // namespace
