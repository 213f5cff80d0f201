// Selling to the shop: items dropped onto the chest, and gems.
#include <algorithm>
#include <string>

#include "data/game_state.h"
#include "events/event_screen.h"
#include "events/item_grid_screen.h"
#include "events/shop.h"
#include "hero/backpack_grid.h"
#include "hero/carried_items.h"
#include "hero/equipment.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "hero/item_value.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "view/play_screen.h"

const std::array<int16_t, 9> GemSalePrices = {90, 90, 110, 110, 70, 70, 135, 135, 40};

namespace {

constexpr int16_t kChestTiles[] = {1323, 1324, 1325, 1326};  // 2 x 2, by rows
constexpr int16_t kChestX = 123, kChestY = 100;
constexpr int16_t kUnsoldItems[] = {688, 689};

// The hero's own grid operations, so that a gem dropped on the gem bag goes into it here too.
ItemGridView SellGrid(int16_t page) {
    ItemGridView grid = CarriedGridView(page, 181, 74);
    if (page == 1) {
        grid.putDown = [](const ItemGridView&, int16_t c, int16_t r) { DropInBag(c, r, 0); };
        grid.pickUp = [](const ItemGridView&, int16_t c, int16_t r) { PickUpFromBag(c, r); };
    } else {
        grid.putDown = [](const ItemGridView&, int16_t c, int16_t r) { DropInBackpack(c, r); };
        grid.pickUp = [](const ItemGridView&, int16_t c, int16_t r) { PickUpFromBackpack(c, r); };
    }
    grid.inspect = InspectBackpackItem;
    return grid;
}

// The held item for gold; keyrings, quest items, gem bags and two named items stay held.
void SellHeldItem() {
    const ItemInstance* inst = InstanceAt(CursorItem);
    if (!inst || inst->ItemNumber == kNone) return;
    const int16_t item = inst->ItemNumber, type = ItemTypeOf(item);
    if (type == kKeyringItem || type == kQuestItem || type == kGemstoneBag ||
        std::find(std::begin(kUnsoldItems), std::end(kUnsoldItems), item) != std::end(kUnsoldItems))
        return;
    const int32_t pay = ItemSellPrice(ItemValue(type, item, inst->X, inst->Y, inst->CurseKnown), type);
    GameState.HeroGold += std::max(pay, int32_t{1});
    ClearItemInstance(CursorItem);
    CursorItem = kNone;
    PlaySoundEffect("Buy");
}

// Frees every loose gem of a grid and pays each gem's value divided by `share`; returns how
// many were sold.
int SellGemsOf(ItemGrid grid, int32_t share) {
    int sold = 0;
    for (int16_t& cell : grid) {
        const int16_t instance = cell, item = InstanceItem(instance);
        if (item == kNone || ItemTypeOf(item) != kGemstone) continue;
        GameState.HeroGold += ItemValue(kGemstone, item, 0, 0, 0) / share;
        std::replace(grid.begin(), grid.end(), instance, kNone);
        ClearItemInstance(instance);
        ++sold;
    }
    return sold;
}

}  // namespace

void DrawSellScreen(int16_t page) {
    DrawPlayScreen(1, 0, 0, -1, -1, 0);
    // The panel holds the ninth grid column and the Cancel button inside its frame.
    DrawPanel(105, 40, 19, 19, 0, "");
    // With the bag owned its tabs take the caption's place.
    if (GameState.HasBagOfHolding)
        DrawCarriedGridTabs(180, 53, page);
    else
        DrawSmallText(190, 57, "Drop item onto chest to sell:", kSmallBlack);
    for (int i = 0; i < 4; ++i)
        BltFast(BackSurface, kChestX + 32 * (i % 2), kChestY + 32 * (i / 2), WallTiles[size_t(kChestTiles[i])],
                TileRect, kBltKeyed);
    DrawSmallText(133, 180, std::to_string(GameState.HeroGold) + " Gp", kSmallBlack);
    DrawItemGrid(SellGrid(page));
    DrawButton(380, 375, 4, "Cancel");
}

void RunSellScreen() {
    Screen screen("sell screen");
    int16_t page = 0;
    StillScreen still;
    const auto draw = [&] {
        DrawSellScreen(page);
        ShowAndKeepStill(still);
    };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (HoldingItem()) ShowHeldItemOver(still);
        const int16_t tab = CarriedGridTabClicked(180, 53);
        if (tab >= 0) {
            page = tab;
        } else if (GameState.HasBagOfHolding && TabPressed(1)) {
            page = int16_t(1 - page);
        } else if (HandleGridClicks(SellGrid(page), [&] { DrawSellScreen(page); })) {
        } else if (HoldingItem() && AreaClicked(kChestX, kChestY, 64, 64, 'S', 1, 1, 0)) {
            SellHeldItem();
        } else if (ButtonClicked(380, 375, 8, kEsc, 'D', 1, 1)) {
            if (!HoldingItem()) return;
            PlaySoundEffect("No");  // the held item would be lost
        } else {
            continue;
        }
        draw();
    }
}

void SellAllGems() {
    GameStateRecord& g = GameState;
    for (size_t i = 0; i < GemSalePrices.size(); ++i)
        g.HeroGold += int32_t{std::max<int16_t>(g.GembagCounts[i], 0)} * GemSalePrices[i];
    std::fill(std::begin(g.GembagCounts), std::end(g.GembagCounts), int16_t{0});
    SellGemItems();
}

void SellGemItems() {
    int sold = SellGemsOf(BackpackGrid(), 1);
    if (GameState.HasBagOfHolding) sold += SellGemsOf(BagGrid(), 100);
    if (sold > 0) PlaySoundEffect("Buy");
}
