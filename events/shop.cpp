#include "events/shop.h"

#include <algorithm>
#include <string>

#include "data/game_state.h"
#include "events/event_screen.h"
#include "hero/give_item.h"
#include "hero/item_info.h"
#include "hero/item_instances.h"
#include "hero/item_names.h"
#include "hero/item_types.h"
#include "hero/item_value.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kStockLines = 8;
constexpr int16_t kLeftPointer = 1310, kRightPointer = 1311;

bool HoldsItem(const EventRecord& shop, int16_t line) {
    return line >= 0 && line < kStockLines && ShopStockLine(shop, line).item != kNone;
}

// The nearest line holding an item from `from` on, stepping by `step`; -1 when none does.
int16_t StockedLine(const EventRecord& shop, int16_t from, int16_t step) {
    for (int16_t line = from; line >= 0 && line < kStockLines; line = int16_t(line + step))
        if (HoldsItem(shop, line)) return line;
    return -1;
}

std::string StockLabel(const StockLine& s) {
    if (s.item == kNone) return {};
    std::array<char, kItemNameSize> name{};
    ItemDisplayName(s.item, s.x, s.y, 0, name);
    return std::string(name.data());
}

// The arrow keys move the selection among the lines that hold an item.
int16_t MoveSelection(const EventRecord& shop, int16_t selected, int16_t step) {
    if (selected < 0) return StockedLine(shop, 0, 1);
    const int16_t next = int16_t(selected + step);
    return HoldsItem(shop, next) ? next : selected;
}

}  // namespace

StockLine ShopStockLine(const EventRecord& shop, int16_t line) {
    if (line < 0 || line >= kStockLines) return {kNone, 0, 0};
    const int16_t item = shop.Word[5 + line];
    if (item < 1 || item >= kItemCount) return {kNone, 0, 0};
    return {item, shop.Word[13 + line], shop.Word[21 + line]};
}

int32_t ShopPrice(const EventRecord& shop, int16_t line) {
    const StockLine s = ShopStockLine(shop, line);
    if (s.item == kNone) return 0;
    const int32_t price = ItemValue(ItemTypeOf(s.item), s.item, s.x, s.y, 0) * int32_t{shop.Word[29]} / 100;
    return std::max(price, int32_t{0});
}

void DrawMerchantRow(int16_t row, std::string_view label, bool numbered, bool selected) {
    const int16_t y = int16_t(100 + 22 * row);
    if (numbered) DrawSmallText(40, int16_t(y + 5), NumberText(row + 1), kSmallBlack);
    DrawButton(55, y, 8, label);
    if (selected) {
        BltFast(BackSurface, 47, y - 6, WallTiles[kLeftPointer], TileRect, kBltKeyed);
        BltFast(BackSurface, 190, y - 6, WallTiles[kRightPointer], TileRect, kBltKeyed);
    }
}

int16_t ClickedMerchantRow(std::span<const bool> stocked, int16_t numberedRows) {
    for (int16_t i = 0; i < int16_t(stocked.size()); ++i)
        if (stocked[size_t(i)] && ButtonClicked(50, int16_t(100 + 22 * i), 16, i < numberedRows ? int16_t('1' + i) : 0,
                                                 0, 1, 1))
            return i;
    return -1;
}

void DrawShopScreen(const EventRecord& shop, int16_t selected, uint32_t flip) {
    DrawServicePage(EventLine(shop, 1, 0));
    for (int16_t i = 0; i < kStockLines; ++i)
        DrawMerchantRow(i, StockLabel(ShopStockLine(shop, i)), true, i == selected);
    if (HoldsItem(shop, selected)) {
        const StockLine s = ShopStockLine(shop, selected);
        ShowItemInfo(246, 100, s.item, s.x, s.y, 0, 1, 0, 1, shop.Word[29], 0);
    }
    DrawButton(42, 380, 4, "Buy");
    DrawButton(139, 380, 4, "Sell");
    if (shop.Word[31] == 1) DrawButton(236, 380, 4, "Sell Gems");
    DrawButton(333, 380, 4, "Done");
    if (flip) Flip();
}

void BuyShopItem(const EventRecord& shop, int16_t line) {
    const StockLine s = ShopStockLine(shop, line);
    if (s.item == kNone) return;
    const int32_t price = ShopPrice(shop, line);
    auto refuse = [&](std::string_view line1, std::string_view line2) {
        PlaySoundEffect("No");
        DrawShopScreen(shop, line, 0);
        ShowMessage(170, 120, line1, line2);
    };
    GameStateRecord& g = GameState;
    if (g.HeroGold < price) return refuse("You cannot afford that.", "");
    if (s.item == kFoodItem) {
        if (g.HeroFood >= 10) return refuse("You cannot carry any", "more food!");
        g.HeroGold -= price;
        g.HeroFood = int16_t(g.HeroFood + 1);  // one ration, whatever the line's amount
    } else if (GiveItem(s.item, s.x, s.y, 0)) {
        g.HeroGold -= price;
    } else {
        return refuse("You have insufficient space", "left in your backpack!");
    }
    PlaySoundEffect("Buy");
}

void RunShop(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    Screen screen("shop");
    const EventRecord shop = *e;
    const bool buysGems = shop.Word[31] == 1;
    std::array<bool, kStockLines> stocked{};
    for (int16_t i = 0; i < kStockLines; ++i) stocked[size_t(i)] = HoldsItem(shop, i);
    int16_t selected = -1;
    const auto draw = [&] { DrawShopScreen(shop, selected, 1); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (const int16_t row = ClickedMerchantRow(stocked, kStockLines); row >= 0) {
            selected = row;
        } else if (KeyPressed(kUp, 1, 0, 1)) {
            selected = MoveSelection(shop, selected, -1);
        } else if (KeyPressed(kDown, 1, 0, 1)) {
            selected = MoveSelection(shop, selected, 1);
        } else if (ButtonClicked(42, 380, 8, 'B', 0, 1, 0)) {
            BuyShopItem(shop, selected);
        } else if (ButtonClicked(139, 380, 8, 'S', 0, 1, 1)) {
            RunSellScreen();
        } else if (buysGems && ButtonClicked(236, 380, 8, 'G', 0, 1, 1)) {
            if (Confirm(200, 150, "Sell ALL your gems?")) {
                PlaySoundEffect("Buy");
                SellAllGems();
            }
        } else if (ButtonClicked(333, 380, 8, kEsc, 'D', 1, 1)) {
            return;
        } else {
            continue;
        }
        draw();
    }
}

void RunShopEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    if (!ActiveEvent(x, y)) return;
    BeginEventScreen(result);
    Screen screen("shop greeting");
    if (RunOneActionPage(screen, x, y, "Enter Shop", 'E')) RunShop(x, y);
}
