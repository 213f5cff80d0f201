// Vaults: buying one, the store shared by its events, and the grids' drag and drop.
#include "events/item_grid_screen.h"
#include "events/vault.h"
#include "hero/equipment.h"
#include "tests/events/event_test.h"

namespace {

constexpr int16_t kSword = 120, kStaff = 121, kKeyring = 122, kBone = 123;
constexpr int16_t kWidePicture = 240, kTallPicture = 330;  // 2 x 1 and 1 x 3 cells

class VaultTest : public EventTest {
protected:
    void SetUp() override {
        EventTest::SetUp();
        Item(kSword, 0, "Sword");
        ItemTable[kSword].ItemPicture = kWidePicture;
        Item(kStaff, 0, "Staff");
        ItemTable[kStaff].ItemPicture = kTallPicture;
        Item(kKeyring, 11, "Keyring");
        Item(kBone, 34, "Bone");
        for (auto& vault : GameState.Vaults) std::fill(std::begin(vault), std::end(vault), int16_t{-1});
        GameState.ItemInstances[1] = {kBone, 0, 0, 0, 0};
        GameState.Backpack[0][0] = 1;
        GameState.ItemInstances[2] = {kKeyring, 0, 0, 0, 0};
        GameState.Backpack[2][0] = 2;
    }
    void ClickVaultCell(int16_t col, int16_t row) { ClickAt(26 + 31 * col, 113 + 31 * row); }
    void ClickHeroCell(int16_t col, int16_t row) { ClickAt(346 + 31 * col, 113 + 31 * row); }
    static ItemGridView VaultView(int16_t vault) {
        return {.cells = std::span<int16_t>(GameState.Vaults[vault], 81), .refusedTypes = kStoreRefusedTypes};
    }
};

TEST_F(VaultTest, WhatFitsWhere) {
    struct Case {
        int16_t item, col, row;
        bool fits;
    };
    for (const Case c : {Case{kSword, 7, 0, true}, Case{kSword, 8, 0, false}, Case{kStaff, 0, 6, true},
                         Case{kStaff, 0, 7, false}, Case{kStaff, 0, 8, false}, Case{kKeyring, 0, 0, false}}) {
        const ItemGridView vault = VaultView(0);
        std::fill(vault.cells.begin(), vault.cells.end(), int16_t{-1});
        GameState.ItemInstances[10] = {c.item, 0, 0, 0, 0};
        CursorItem = 10;
        GridPutDown(vault, c.col, c.row);
        EXPECT_EQ(CursorItem == -1, c.fits) << c.item << " at " << c.col << ", " << c.row;
        EXPECT_EQ(std::count(vault.cells.begin(), vault.cells.end(), int16_t{10}), c.fits ? 2 + (c.item == kStaff) : 0);
    }
    EXPECT_EQ(Played("No"), 1u);  // the keyring; the others that do not fit say nothing
    // A cell of an item taken lifts all of it.
    GameState.ItemInstances[10] = {kSword, 0, 0, 0, 0};
    CursorItem = 10;
    GridPutDown(VaultView(1), 3, 3);
    GridPickUp(VaultView(1), 4, 3);
    EXPECT_EQ(CursorItem, 10);
    EXPECT_EQ(GameState.Vaults[1][3 * 9 + 3], -1);
    CursorItem = -1;
}

TEST_F(VaultTest, OneStoreBehindEveryEventOfItsNumber) {
    Put(5, 5, 1251, {{5, 50}, {6, 2}});
    Put(30, 30, 1251, {{5, 80}, {6, 2}});
    GameState.HeroGold = 60;
    host.Wait(5).Tap('B').Wait(5).Tap('E');
    ClickHeroCell(0, 0);
    ClickVaultCell(4, 4);
    TapKey('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("Vault Cost: 50 Gp", 480, 230, 182));
    EXPECT_EQ(GameState.HeroGold, 10);
    EXPECT_EQ(GameState.VaultOwned[2], 1u);
    EXPECT_EQ(GameState.Vaults[2][4 * 9 + 4], 1);
    EXPECT_EQ(GameState.Backpack[0][0], -1);

    // Owned at the other event too; its item comes back out there.
    Forget();
    host.Wait(5).Tap('E');
    ClickVaultCell(4, 4);
    ClickHeroCell(5, 5);
    TapKey(27);
    EXPECT_EQ(Bump(30, 30), 0);
    EXPECT_FALSE(Shown("Vault Cost: 80 Gp"));
    EXPECT_TRUE(ButtonAt("Enter Vault", 260));
    EXPECT_EQ(GameState.Backpack[5][5], 1);
    EXPECT_EQ(GameState.HeroGold, 10);
}

TEST_F(VaultTest, AFreeVaultTooPoorToBuyAndABadNumber) {
    for (int16_t cost : {0, -5}) {  // a price below 0 is no price either
        Put(5, 5, 1251, {{5, cost}, {6, 4}});
        GameState.VaultOwned[4] = 0;
        host.Wait(5).Tap('L');
        EXPECT_EQ(Bump(5, 5), 0);
        EXPECT_EQ(GameState.VaultOwned[4], 1u);
        EXPECT_TRUE(ButtonAt("Enter Vault", 260));
        EXPECT_EQ(GameState.HeroGold, 0);
    }

    Put(5, 5, 1251, {{5, 10}, {6, 1}});
    Keys({'B', 'L'});  // 0 gp: nothing happens, not even a sound
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.VaultOwned[1], 0u);
    EXPECT_EQ(Played("No") + Played("Buy"), 0u);

    Forget();
    Put(5, 5, 1251, {{5, 0}, {6, 6}});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(host.texts.empty());
    EXPECT_EQ(Played("Text"), 0u);
}

TEST_F(VaultTest, NothingIsLeftHeldAndContainersStayOut) {
    Put(5, 5, 1251, {{5, 0}, {6, 3}});
    GameState.ItemInstances[3] = {kStaff, 0, 0, 0, 0};
    CursorItem = 3;  // held when the vault opens: it stays held
    host.Wait(5).Tap('E').Wait(5).Tap('D');
    ClickVaultCell(0, 0);
    ClickHeroCell(2, 0);  // the keyring
    ClickVaultCell(5, 5);
    ClickHeroCell(2, 0);
    TapKey('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("No"), 2u);  // "Done" while held, the keyring into the vault
    EXPECT_EQ(GameState.Vaults[3][0], 3);
    EXPECT_EQ(GameState.Vaults[3][2], 3);
    EXPECT_EQ(GameState.Backpack[2][0], 2);
    EXPECT_EQ(CursorItem, -1);
    EXPECT_FALSE(Shown("Bag of Holding"));
}

TEST_F(VaultTest, TheBagTabWhenTheBagIsOwned) {
    Put(5, 5, 1251, {{5, 0}, {6, 0}});
    GameState.HasBagOfHolding = 1;
    GameState.Vaults[0][0] = 1;
    GameState.Backpack[0][0] = -1;
    host.Wait(5).Tap('E');
    ClickAt(470, 93);  // the bag's tab
    ClickVaultCell(0, 0);
    ClickHeroCell(8, 8);
    TapKey('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("Bag of Holding"));
    EXPECT_EQ(GameState.BagOfHolding[8][8], 1);
}

}  // namespace
