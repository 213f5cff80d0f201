// The shop: buying by the cost modifier, the refusals, the sell screen and the sale of gems.
#include "events/shop.h"

#include "hero/carried_items.h"
#include "hero/equipment.h"
#include "hero/item_types.h"
#include "platform/display.h"
#include "tests/events/event_test.h"
#include "tests/support/surface_match.h"

namespace {

constexpr int16_t kTenGpItem = 115, kFigurine = 300, kRuby = 22, kKeyring = 310, kBone = 103;
constexpr int16_t kKeyringType = 11, kGemType = 12, kFigurineType = 46;

class ShopTest : public EventTest {
protected:
    void SetUp() override {
        EventTest::SetUp();
        Item(kTenGpItem, 34, "Lantern");
        Item(kFigurine, kFigurineType, "Jade Idol");
        Item(kRuby, kGemType, "Ruby");
        Item(20, kGemType, "Sapphire");
        Item(kKeyring, kKeyringType, "Keyring");
        Item(kBone, 34, "Bone");
        Item(kFoodItem, 30, "Rations");
    }
    // A shop on (5, 5) with stock lines of (item, X, Y) from line 0.
    EventRecord& Shop(std::initializer_list<StockLine> lines, int16_t modifier = 100) {
        EventRecord& e = Put(5, 5, 1248, {{29, modifier}});
        Text(e, 1, 0, "Ye Olde Shoppe");
        int line = 0;
        for (const StockLine& s : lines) {
            e.Word[5 + line] = s.item;
            e.Word[13 + line] = s.x;
            e.Word[21 + line] = s.y;
            ++line;
        }
        return e;
    }
    // Every backpack cell holds an instance of the bone.
    static void FillBackpack() {
        for (int i = 0; i < 81; ++i) {
            GameState.ItemInstances[i + 1] = {kBone, 0, 0, 0, 0};
            GameState.Backpack[i / 9][i % 9] = int16_t(i + 1);
        }
    }
    // An instance of the item in backpack cell (col, row).
    static int16_t Stow(int16_t instance, int16_t item, int16_t col, int16_t row, int16_t x = 0, uint32_t known = 0) {
        GameState.ItemInstances[instance] = {item, x, 0, 0, known};
        GameState.Backpack[col][row] = instance;
        return instance;
    }
    void ClickCell(int16_t col, int16_t row, int32_t button = 1) { ClickAt(186 + 31 * col, 79 + 31 * row, button); }
    void ClickChest() { ClickAt(140, 120); }
};

TEST_F(ShopTest, PricesByTheCostModifier) {
    struct Case {
        int16_t item, modifier;
        int32_t price;
    };
    for (const Case c : {Case{kTenGpItem, 100, 10}, Case{kTenGpItem, 0, 0}, Case{kTenGpItem, 150, 15},
                         Case{kFigurine, 200, 40000},  // past 16 bits
                         Case{kTenGpItem, -50, 0}, Case{714, 100, 0}}) {
        const EventRecord& e = Shop({{c.item, 0, 0}}, c.modifier);
        EXPECT_EQ(ShopPrice(e, 0), c.price) << c.item << " at " << c.modifier;
    }
}

TEST_F(ShopTest, BuyingThroughTheScreens) {
    Shop({{kTenGpItem, 0, 0}, {kFigurine, 0, 0}}, 150);
    GameState.HeroGold = 20;
    Keys({'E', '1', 'B', 'D'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroGold, 5);
    EXPECT_EQ(HasItem(kTenGpItem), 1);
    EXPECT_TRUE(ShownAt("Ye Olde Shoppe", 50, 50, 182));
    EXPECT_TRUE(Shown("Buy: 15 Gp"));
    EXPECT_EQ(Played("Buy"), 1u);

    // A 20,000-gp idol at 150 per cent costs 30,000.
    Forget();
    GameState.HeroGold = 29999;
    Keys({'E', '2', 'B', 13, 'D'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("You cannot afford that."));
    EXPECT_EQ(HasItem(kFigurine), 0);
    GameState.HeroGold = 30001;
    Keys({'E', '2', 'B', 'D'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroGold, 1);
    EXPECT_EQ(HasItem(kFigurine), 1);
}

TEST_F(ShopTest, FoodGemsAndAFullBackpack) {
    Shop({{kFoodItem, 0, 5}, {kRuby, 0, 0}, {kBone, 0, 0}});
    GameState.HeroGold = 1000;
    GameState.HeroFood = 9;
    FillBackpack();
    // One ration at 9 for its price of 5; refused at 10; a gem goes to the gem bag; the bone has no room.
    Keys({'E', '1', 'B', 'B', 13, '2', 'B', '3', 'B', 13, 'D'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroFood, 10);
    EXPECT_EQ(GameState.GembagCounts[kRuby - 20], 1);
    EXPECT_EQ(GameState.HeroGold, 1000 - 5 - 120);
    EXPECT_TRUE(Shown("more food!"));
    EXPECT_TRUE(Shown("left in your backpack!"));
    EXPECT_EQ(Played("No"), 2u);

    // A gem bag that holds 32,767 rubies has no room for one more: the gold is kept.
    Forget();
    GameState.GembagCounts[kRuby - 20] = INT16_MAX;
    Keys({'E', '2', 'B', 13, 'D'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GembagCounts[kRuby - 20], INT16_MAX);
    EXPECT_EQ(GameState.HeroGold, 1000 - 5 - 120);
    EXPECT_TRUE(Shown("left in your backpack!"));
    EXPECT_EQ(Played("Buy"), 0u);
}

TEST_F(ShopTest, OnlyStockedLinesAreSelected) {
    Shop({{0, 0, 0}, {kTenGpItem, 0, 0}, {800, 0, 0}, {kBone, 0, 0}});
    GameState.HeroGold = 100;
    // An empty line and a line of no item cannot be chosen, and "Buy" without a line does nothing;
    // Up chooses the first stocked line; Down stops before an empty one.
    host.Wait(5).Tap('E').Hold('1', 5).Hold('3', 5);
    Keys({'B', 38, 40, 'B', 'D'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroGold, 90);
    EXPECT_EQ(HasItem(kTenGpItem), 1);
    EXPECT_EQ(Played("Buy"), 1u);
    EXPECT_EQ(Played("No"), 0u);
}

TEST_F(ShopTest, SellingOnTheChest) {
    Shop({});
    GameState.Stats[6] = 11;  // Perception: 20 per cent of the price
    Stow(1, kTenGpItem, 0, 0);
    Stow(2, kBone, 1, 0, -3, 1);  // known to be cursed: worth 1, paid at least 1
    Stow(3, kKeyring, 2, 0);
    host.Wait(5).Tap('E').Wait(5).Tap('S');
    ClickCell(0, 0);
    ClickChest();
    ClickCell(1, 0);
    host.Wait(5).Tap('S');  // the key sells too
    ClickCell(2, 0);
    ClickChest();  // the keyring is not for sale
    host.Wait(5).Tap(27);  // nor can it be left held
    ClickCell(4, 4);
    host.Wait(5).Tap(27).Wait(5).Tap('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroGold, 2 + 1);
    EXPECT_EQ(GameState.ItemInstances[1].ItemNumber, -1);
    EXPECT_EQ(GameState.ItemInstances[2].ItemNumber, -1);
    EXPECT_EQ(GameState.Backpack[4][4], 3);
    EXPECT_EQ(CursorItem, -1);
    EXPECT_EQ(Played("Buy"), 2u);
    EXPECT_EQ(Played("No"), 1u);
    EXPECT_TRUE(Shown("Drop item onto chest to sell:"));
}

// The sell panel's frame stands round its grid and its Cancel button: nothing is drawn over its
// right side beside the ninth column, nor over its bottom under the button.
TEST_F(ShopTest, TheSellPanelHoldsItsGridAndButton) {
    Stow(1, kTenGpItem, 8, 0);
    DrawSellScreen(0);
    const int32_t gridRight = 181 + 31 * 9, buttonBottom = 375 + 20;
    int32_t side = -1, bottom = -1;
    for (int32_t x = 400; x <= 620 && side < 0; ++x)
        if (Shows(BackSurface, x, 100, UiIcons[50])) side = x;
    for (int32_t y = 300; y <= 460 && bottom < 0; ++y)
        if (Shows(BackSurface, 105 + 20 * 14, y, UiIcons[49])) bottom = y;  // under the button
    EXPECT_GE(side, gridRight);
    EXPECT_GE(bottom, buttonBottom);
}

TEST_F(ShopTest, SellingGems) {
    EventRecord& shop = Shop({});
    GameState.GembagCounts[26 - 20] = 2;
    GameState.GembagCounts[28 - 20] = 1;
    GameState.GembagCounts[9] = 4;  // item 29: taken without pay
    host.Wait(5).Tap('E').Hold('G', 5);
    TapKey('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_FALSE(Shown("Sell Gems"));
    EXPECT_EQ(GameState.HeroGold, 0);

    shop.Word[31] = 1;
    Stow(1, 20, 0, 0);
    GameState.HasBagOfHolding = 1;
    GameState.ItemInstances[2] = {kRuby, 0, 0, 0, 0};
    GameState.BagOfHolding[3][3] = 2;
    Keys({'E', 'G', 'Y', 'D'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ButtonAt("Sell Gems", 380, 236, 4));
    EXPECT_EQ(GameState.HeroGold, 2 * 135 + 40 + 100 + 1);  // a loose gem in the bag pays a hundredth
    for (int16_t count : GameState.GembagCounts) EXPECT_EQ(count, 0);
    EXPECT_EQ(GameState.Backpack[0][0], -1);
    EXPECT_EQ(GameState.BagOfHolding[3][3], -1);
    EXPECT_EQ(Played("Buy"), 2u);  // the confirmation's, then the loose gems'

    Forget();
    Keys({'E', 'G', 'Y', 'D'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("Buy"), 1u);  // nothing left to sell
}

}  // namespace
