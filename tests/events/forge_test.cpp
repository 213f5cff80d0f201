// The forge: its recipes by type and ingredients, and the cauldron's drag and drop.
#include "data/campaign_tables.h"
#include "hero/carried_items.h"
#include "tests/events/event_test.h"

namespace {

constexpr int16_t kIron = 60, kBone = 61, kGem = 62, kAxe = 63, kWand = 64, kRing = 65, kPole = 66, kRock = 67;

class ForgeTest : public EventTest {
protected:
    void SetUp() override {
        EventTest::SetUp();
        for (ForgeRecipe& r : ForgeTable) r = {-1, {-1, -1, -1, -1, -1}, {-1, -1, -1}};
        ForgeTable[3] = {1, {kIron, kBone, -1, -1, -1}, {kAxe, 2, 0}};
        ForgeTable[4] = {1, {kIron, -1, kIron, -1, -1}, {kWand, 0, 5}};
        ForgeTable[7] = {2, {kGem, -1, -1, -1, -1}, {kRock, 0, 0}};
        Item(kRing, 11, "Keyring");
        Item(kPole, 0, "Pole");
        ItemTable[kPole].ItemPicture = 377;  // 1 x 6
        for (auto& column : GameState.CauldronGrid) std::fill(std::begin(column), std::end(column), int16_t{-1});
    }
    // Instance n of the item in the cauldron's cell (c, r).
    static void Ingredient(int16_t n, int16_t item, int c, int r) {
        GameState.ItemInstances[n] = {item, 0, 0, 0, 0};
        GameState.CauldronGrid[c][r] = n;
    }
    static int16_t CauldronItem(int c, int r) {
        const int16_t n = GameState.CauldronGrid[c][r];
        return n < 0 ? int16_t(-1) : GameState.ItemInstances[n].ItemNumber;
    }
    void CauldronCell(int c, int r) { ClickAt(69 + 31 * c, 145 + 31 * r); }
    void BackpackCell(int c, int r) { ClickAt(346 + 31 * c, 113 + 31 * r); }
};

TEST_F(ForgeTest, RecipesOfTheForgesTypeInAnyOrder) {
    struct Case {
        int16_t forge;
        std::initializer_list<int16_t> items;
        int16_t made;
    };
    const Case cases[] = {
        {1, {kBone, kIron}, kAxe},         {1, {kIron, kBone, kGem}, -1}, {2, {kIron, kBone}, -1},
        {1, {kIron, kIron}, kWand},         {1, {kIron}, -1},              {2, {kGem}, kRock},
        {3, {}, -1},
    };
    for (const Case& c : cases) {
        for (auto& column : GameState.CauldronGrid) std::fill(std::begin(column), std::end(column), int16_t{-1});
        int16_t n = 10;
        for (int16_t item : c.items) {
            Ingredient(n, item, 5 - (n - 10), n - 10);
            ++n;
        }
        Put(5, 5, 1273, {{1, c.forge}});
        Forget();
        Keys({'A', 'D'});
        EXPECT_EQ(Bump(5, 5), 0);
        EXPECT_EQ(Played(c.made >= 0 ? "Scroll" : "No"), 1u) << c.forge << " " << c.items.size();
        if (c.made < 0) {
            EXPECT_EQ(CauldronItem(5, 0), c.items.size() ? *c.items.begin() : -1);
            continue;
        }
        EXPECT_EQ(CauldronItem(0, 0), c.made);
        EXPECT_EQ(GameState.ItemInstances[GameState.CauldronGrid[0][0]].Y, c.made == kWand ? 5 : 0);
        for (int16_t i = 10; i < n; ++i) EXPECT_NE(GameState.CauldronGrid[0][0], i);
        int16_t ingredientsLeft = 0;
        for (auto& column : GameState.CauldronGrid)
            for (int16_t cell : column) ingredientsLeft += cell >= 0 && cell != GameState.CauldronGrid[0][0];
        EXPECT_EQ(ingredientsLeft, 0);
    }
    EXPECT_TRUE(Shown("Forge of Deroz"));
}

TEST_F(ForgeTest, NoFreeInstanceChangesNothing) {
    for (ItemInstance& i : GameState.ItemInstances) i = {kGem, 0, 0, 0, 0};
    Ingredient(10, kIron, 2, 2);
    Ingredient(11, kBone, 3, 3);
    Put(5, 5, 1273, {{1, 1}});
    Keys({'A', 'D'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("No"), 1u);
    EXPECT_EQ(CauldronItem(2, 2), kIron);
    EXPECT_EQ(CauldronItem(3, 3), kBone);
}

TEST_F(ForgeTest, DragAndDrop) {
    Put(5, 5, 1273, {{1, 1}});
    Carry(kIron);   // backpack (0, 0)
    Carry(kRing);   // (1, 0)
    Carry(kPole);   // column 2
    Ingredient(10, kBone, 0, 3);

    BackpackCell(0, 0);  // held: Activate does nothing and Done answers "No"
    Keys({'A', 'D'});
    CauldronCell(4, 4);
    BackpackCell(1, 0);  // the keyring stays out of the cauldron
    CauldronCell(1, 1);
    BackpackCell(1, 0);
    BackpackCell(2, 0);  // the pole fits only in an empty column
    CauldronCell(0, 0);
    CauldronCell(1, 0);
    Keys({'D'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("No"), 2u);
    EXPECT_EQ(Played("Scroll"), 0u);
    EXPECT_EQ(CauldronItem(4, 4), kIron);
    EXPECT_EQ(CauldronItem(0, 0), -1);
    for (int r = 0; r < 6; ++r) EXPECT_EQ(CauldronItem(1, r), kPole) << r;
    EXPECT_EQ(CauldronItem(1, 1), kPole);
    EXPECT_TRUE(HasItem(kRing));
    EXPECT_FALSE(HasItem(kIron));
}

}  // namespace
