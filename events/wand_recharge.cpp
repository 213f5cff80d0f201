#include "events/wand_recharge.h"

#include <cstdint>
#include <string>

#include "data/game_state.h"
#include "data/text_field.h"
#include "events/event_screen.h"
#include "events/shop.h"
#include "hero/item_info.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "hero/item_value.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kRows = 12;

void AddWands(ItemGrid grid, WandList& wands, int16_t& count) {
    for (int16_t col = 0; col < 9; ++col)
        for (int16_t row = 0; row < 8; ++row) {
            const int16_t instance = grid[size_t(col * 9 + row)];
            const ItemInstance* inst = InstanceAt(instance);
            if (!inst || ItemTypeOf(inst->ItemNumber) != kWand || grid[size_t(col * 9 + row + 1)] != instance) continue;
            if (count == kRows) return;
            wands.instance[size_t(count)] = instance;
            wands.item[size_t(count)] = inst->ItemNumber;
            wands.x[size_t(count)] = inst->X;
            wands.charges[size_t(count)] = inst->Y;
            ++count;
        }
}

std::string WandLabel(const WandList& w, int16_t row) {
    if (w.instance[size_t(row)] == kNone) return {};
    return std::string(FieldText(ItemTable[size_t(w.item[size_t(row)])].ItemName)) + " (" +
           std::to_string(w.charges[size_t(row)]) + ")";
}

void DrawRechargeScreen(const WandList& w, int16_t selected) {
    DrawServicePage("Recharge Wands");
    for (int16_t i = 0; i < kRows; ++i) DrawMerchantRow(i, WandLabel(w, i), i < 9, i == selected);
    if (selected >= 0) {
        const size_t s = size_t(selected);
        ShowItemInfo(246, 100, w.item[s], w.x[s], w.charges[s], 0, 1, 0, 1, 100, 1);
    }
    DrawButton(134, 380, 4, "Recharge");
    DrawButton(333, 380, 4, "Done");
    Flip();
}

// One charge for the price of a wand of its kind with one charge.
void RechargeWand(WandList& w, int16_t row) {
    const size_t s = size_t(row);
    ItemInstance* inst = InstanceAt(w.instance[s]);
    const int32_t price = ItemValue(kWand, w.item[s], w.x[s], 1, 0);
    if (!inst || GameState.HeroGold < price || inst->Y == INT16_MAX) {
        PlaySoundEffect("No");
        return;
    }
    PlaySoundEffect("Buy");
    GameState.HeroGold -= price;
    inst->Y = int16_t(inst->Y + 1);
    w.charges[s] = inst->Y;
}

}  // namespace

WandList CollectWands() {
    WandList wands;
    for (auto* entries : {&wands.instance, &wands.item, &wands.x, &wands.charges}) entries->fill(kNone);
    int16_t count = 0;
    AddWands(BackpackGrid(), wands, count);
    if (GameState.HasBagOfHolding) AddWands(BagGrid(), wands, count);
    return wands;
}

void RunWandRecharge() {
    Screen screen("wand recharge");
    WandList wands = CollectWands();
    std::array<bool, kRows> stocked{};
    for (size_t i = 0; i < stocked.size(); ++i) stocked[i] = wands.instance[i] != kNone;
    int16_t selected = -1;
    const auto draw = [&] { DrawRechargeScreen(wands, selected); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (const int16_t row = ClickedMerchantRow(stocked, 9); row >= 0) {
            selected = row;
        } else if (ButtonClicked(134, 380, 8, 'R', 0, 1, 1)) {
            if (selected >= 0) RechargeWand(wands, selected);
        } else if (ButtonClicked(333, 380, 8, 'D', kEsc, 1, 1)) {
            return;
        } else {
            continue;
        }
        draw();
    }
}

void RunRechargeWandServiceEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    if (!ActiveEvent(x, y)) return;
    BeginEventScreen(result);
    Screen screen("wand merchant");
    if (RunOneActionPage(screen, x, y, "Enter Shop", 'E')) RunWandRecharge();
}
