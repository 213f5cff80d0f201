// The item picker and the events that take items, lenses, spells and harm: USE ITEM, USE LENS,
// SWAP ITEM, IF GOT, USE SPELL, BURIED CACHE and ELEMENTAL DAMAGE.
#include "events/item_use_events.h"
#include "hero/carried_items.h"
#include "hero/item_instances.h"
#include "tests/events/event_test.h"

namespace {

constexpr int16_t kSword = 40, kAxe = 41, kPotion = 42, kLens = 117, kStone = 101, kRing = 43, kGembag = 44;
constexpr int16_t kBigShield = 45;  // 2 x 2
constexpr int16_t kPole = 46;       // 1 x 6

class ItemSlotEventsTest : public EventTest {
protected:
    void SetUp() override {
        EventTest::SetUp();
        Item(kSword, 0, "Sword");
        Item(kAxe, 0, "Axe");
        Item(kPotion, 14, "Potion");
        Item(kLens, 36, "Red Lens");
        Item(kStone, 41, "Stone");
        Item(kRing, 11, "Keyring");
        Item(kGembag, 52, "Gem Bag");
        Item(kBigShield, 4, "Tower Shield");
        ItemTable[kBigShield].ItemPicture = 403;
        Item(kPole, 0, "Pole");
        ItemTable[kPole].ItemPicture = 377;
    }
    // Cell (c, r) of the picker's grid.
    void PickCell(int c, int r, int button = 1) { ClickAt(190 + 31 * c, 85 + 31 * r, button); }
    static int16_t Cell(int c, int r) { return GameState.Backpack[c][r]; }
    // Every backpack cell holds one instance of the item: no room for anything more.
    static void FillBackpackWith(int16_t item) {
        GameState.ItemInstances[0] = {item, 0, 0, 0, 0};
        for (auto& column : GameState.Backpack) std::fill(std::begin(column), std::end(column), int16_t{0});
    }
};

TEST_F(ItemSlotEventsTest, PickerRulesAndItemsNeverTaken) {
    struct Case {
        int16_t rule, wanted, carried;
        bool taken;
    };
    const Case cases[] = {
        {0, kSword, kSword, true},  {0, kSword, kAxe, false},   {1, kSword, kAxe, true},
        {1, kSword, kPotion, false}, {2, kSword, kPotion, true}, {3, 0, kLens, true},
        {3, 0, kPotion, false},      {2, 0, kStone, false},      {2, 0, kRing, false},
        {2, 0, kGembag, false},      {7, kSword, kSword, false},
    };
    for (const Case& c : cases) {
        ClearHeroItems();
        GameState.Backpack[0][0] = 5;
        GameState.ItemInstances[5] = {c.carried, 3, 4, 0, 0};
        for (int16_t f : {700, 701, 702}) SetGameFlag(f, -1);
        Forget();
        PickCell(0, 0);
        if (!c.taken) TapKey('C');
        int taken = -1, cancelled = -1;
        Run([&] { taken = PickBackpackItem(700, 701, 702, c.rule, c.wanted, cancelled); });
        EXPECT_EQ(taken, c.taken ? 1 : 0) << c.rule << " " << c.carried;
        EXPECT_EQ(cancelled, c.taken ? 0 : 1);
        EXPECT_EQ(Played("No"), c.taken ? 0u : 1u);
        EXPECT_EQ(Cell(0, 0), c.taken ? -1 : 5);
        EXPECT_EQ(GameState.ItemInstances[5].ItemNumber, c.taken ? -1 : c.carried);
        EXPECT_EQ(GameState.GameFlags[700], c.taken ? c.carried : -1);
        EXPECT_EQ(GameState.GameFlags[701], c.taken ? 3 : -1);
        EXPECT_EQ(GameState.GameFlags[702], c.taken ? 4 : -1);
    }
}

TEST_F(ItemSlotEventsTest, PickerTakesAWholeItemFromEitherGrid) {
    Carry(kPotion);
    Carry(kBigShield);  // cells (1, 0) to (2, 1)
    ASSERT_EQ(Cell(2, 1), Cell(1, 0));
    PickCell(2, 1);
    int cancelled = 0;
    int taken = 0;
    Run([&] { taken = PickBackpackItem(700, 701, 702, 2, 0, cancelled); });
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(GameState.GameFlags[700], kBigShield);
    for (auto [c, r] : {std::pair{1, 0}, {2, 0}, {1, 1}, {2, 1}}) EXPECT_EQ(Cell(c, r), -1);
    EXPECT_TRUE(HasItem(kPotion));

    // The bag's tab, by the Tab key.
    GameState.HasBagOfHolding = 1;
    GameState.BagOfHolding[4][4] = 7;
    GameState.ItemInstances[7] = {kAxe, 0, 0, 0, 0};
    TapKey(9);
    PickCell(4, 4);
    Run([&] { taken = PickBackpackItem(700, 701, 702, 0, kAxe, cancelled); });
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(GameState.BagOfHolding[4][4], -1);
    EXPECT_TRUE(Shown("Bag of Holding"));
}

TEST_F(ItemSlotEventsTest, UseItemSlotWithAnyItem) {
    Put(5, 5, 1263, {{1, kSword}, {2, 710}, {3, 1}, {4, 711}, {5, 2}, {6, 712}});
    SetGameFlag(710, 0);
    Carry(kAxe);
    Carry(kSword);
    // The wrong item stays in the slot and counts nothing; retrieved, it comes back.
    Keys({'P'});
    PickCell(0, 0);
    Keys({'R', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("An Axe", 465, 200, 182));
    EXPECT_TRUE(ShownAt("is placed here.", 465, 212, 182));
    EXPECT_EQ(GameFlag(710), 0);
    EXPECT_EQ(GameFlag(711), -1);
    EXPECT_EQ(GameFlag(712), -1);
    EXPECT_TRUE(HasItem(kAxe));

    // The required one raises the flag and ends the screen; taken back, it lowers it again.
    Keys({'P'});
    PickCell(1, 0);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("Chain"), 1u);
    EXPECT_EQ(GameFlag(710), 1);
    EXPECT_EQ(GameFlag(711), 1);
    EXPECT_EQ(GameFlag(712), kSword);
    EXPECT_FALSE(HasItem(kSword));
    Keys({'R', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameFlag(710), 0);
    EXPECT_TRUE(HasItem(kSword));
}

TEST_F(ItemSlotEventsTest, RetrievingWithoutRoomLeavesTheItemInTheSlot) {
    Put(5, 5, 1263, {{1, kSword}, {2, 710}, {3, 1}, {4, 711}, {6, 712}});
    SetGameFlag(710, 1);
    SetGameFlag(711, 1);
    SetGameFlag(712, kSword);
    FillBackpackWith(kPotion);
    Keys({'R', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("no"), 1u);
    EXPECT_EQ(GameFlag(710), 1);
    EXPECT_EQ(GameFlag(711), 1);
    EXPECT_EQ(GameFlag(712), kSword);
}

TEST_F(ItemSlotEventsTest, LensPlacedAndRetrieved) {
    Put(5, 5, 1278, {{2, 720}});
    Carry(kPotion);
    Carry(kLens);
    Keys({'P'});
    PickCell(0, 0);  // not a lens
    PickCell(1, 0);
    Keys({'R', 'P'});
    PickCell(0, 0);
    Keys({'C', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("No"), 2u);
    EXPECT_TRUE(Shown("A Red Lens is placed"));
    EXPECT_EQ(GameFlag(720), -1);
    EXPECT_TRUE(HasItem(kLens));
}

TEST_F(ItemSlotEventsTest, SwapNeverLosesAnItem) {
    EventRecord& swap = Put(5, 5, 1284, {{1, kSword}, {4, 730}, {5, kAxe}, {6, 2}, {12, 1}});
    Text(swap, 1, 0, "Thank you!");
    SetGameFlag(730, 0);
    EXPECT_EQ(Bump(5, 5), 0);  // auto, without the item: nothing shown
    EXPECT_TRUE(host.texts.empty());

    FillBackpackWith(kSword);  // no room for the exchange: the sword stays
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("no"), 1u);
    EXPECT_TRUE(HasItem(kSword));
    EXPECT_FALSE(HasItem(kAxe));

    ClearHeroItems();
    Carry(kSword);
    Keys({'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("Thank you!"));
    EXPECT_FALSE(HasItem(kSword));
    EXPECT_TRUE(HasItem(kAxe));
    EXPECT_EQ(GameFlag(730), 0);  // auto mode counts nothing

    // With the picker: the pole does not fit beside the wall of potions, so the sword comes back.
    swap.Word[12] = 0;
    swap.Word[5] = kPole;
    ClearHeroItems();
    FillBackpackWith(kPotion);
    GameState.Backpack[0][0] = 1;
    GameState.ItemInstances[1] = {kSword, 5, 6, 0, 0};
    Forget();
    Keys({'U'});
    PickCell(0, 0);
    Keys({'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("no"), 1u);
    EXPECT_TRUE(HasItem(kSword));
    EXPECT_FALSE(HasItem(kPole));
    EXPECT_EQ(GameFlag(730), 0);

    swap.Word[5] = kAxe;  // now it fits
    Forget();
    Keys({'U'});
    PickCell(0, 0);
    Keys({'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("Spell"), 1u);
    EXPECT_EQ(GameFlag(730), 1);
    EXPECT_EQ(std::tuple(GameFlag(8), GameFlag(9), GameFlag(10)), std::tuple(kSword, 5, 6));
    EXPECT_TRUE(HasItem(kAxe));
}

TEST_F(ItemSlotEventsTest, IfGotAndOr) {
    constexpr int16_t kHelm = 47;
    struct Case {
        int16_t join;  // 0 AND, 1 OR
        std::initializer_list<int16_t> carried;
        bool wornHelm, passes;
    };
    // Carry the sword and the axe, BUT NOT IF carrying the potion, AND NOT IF wearing the helm.
    const Case cases[] = {
        {0, {kSword, kAxe}, false, true},          {0, {kSword}, false, false},
        {0, {kSword, kAxe, kPotion}, false, false}, {0, {kSword, kAxe}, true, false},
        {1, {kAxe}, false, true},                   {1, {kAxe, kPotion}, false, false},
        {1, {}, false, false},                      {1, {kSword}, true, false},
    };
    EventRecord& e = Put(5, 5, 1269, {{1, 0}, {2, kSword}, {3, 0}, {4, kAxe}, {5, 0}, {6, kPotion}, {7, 1}, {8, kHelm}});
    Text(e, 0, 0, "You may not pass.");
    for (const Case& c : cases) {
        ClearHeroItems();
        for (int16_t item : c.carried) Carry(item);
        if (c.wornHelm) {
            GameState.ItemInstances[800] = {kHelm, 0, 0, 0, 0};
            GameState.EquipSlots[kHelmetSlot] = 800;
        }
        e.Word[9] = c.join;
        Forget();
        if (!c.passes) TapKey('L');
        EXPECT_EQ(Bump(5, 5), c.passes ? 1 : 0) << c.join << " " << c.carried.size();
        EXPECT_EQ(Shown("You may not pass."), !c.passes);
    }
    e.Word[1] = 2;  // nothing tested
    EXPECT_EQ(Bump(5, 5), 1);

    // An item no hero can hold fails its test: AND stops the hero, a barring test bars nothing.
    const struct {
        int16_t first, second, butNot;
        bool passes;
    } outside[] = {{kSword, 714, 0, false}, {-1, kAxe, 0, false}, {kSword, kAxe, 900, true}};
    for (const auto& c : outside) {
        ClearHeroItems();
        Carry(kSword);
        Carry(kAxe);
        e.Word[1] = 0;
        e.Word[9] = 0;
        e.Word[2] = c.first;
        e.Word[4] = c.second;
        e.Word[6] = c.butNot;
        e.Word[8] = 0;
        Forget();
        if (!c.passes) TapKey('L');
        EXPECT_EQ(Bump(5, 5), c.passes ? 1 : 0) << c.first << " " << c.second << " " << c.butNot;
        EXPECT_EQ(Shown("You may not pass."), !c.passes);
    }
}

TEST_F(ItemSlotEventsTest, SpellSlotsAndBuriedCaches) {
    EventRecord& spell = Put(5, 5, 1262, {{5, 740}});
    Text(spell, 0, 0, "A cold altar.");
    Text(spell, 1, 0, "The altar glows.");
    EXPECT_EQ(Bump(5, 5), 0);
    SetGameFlag(740, 1);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("A cold altar."));
    EXPECT_TRUE(Shown("The altar glows."));

    Put(6, 5, 1282, {{2, 741}, {4, 750}, {5, kSword}});
    EXPECT_EQ(Bump(6, 5), 1);  // not dug yet
    SetGameFlag(741, 1);
    TapKey('1');
    TapKey('D');
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_TRUE(HasItem(kSword));
    EXPECT_EQ(GameFlag(750), 1);
}

TEST_F(ItemSlotEventsTest, ElementalDamage) {
    Put(5, 5, 1288, {{4, 3}, {5, 1}, {6, 1}, {7, 2}});  // fire, 1d1+2
    GameState.Resists[3] = 5;
    EXPECT_EQ(Bump(5, 5), 1);
    EXPECT_EQ(GameState.HitPoints, 20);
    GameState.Resists[3] = 1;
    EXPECT_EQ(Bump(5, 5), 1);
    EXPECT_EQ(GameState.HitPoints, 18);
    GameState.HeroForm = 2;  // a Falcon flies over the flames
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HitPoints, 18);

    Put(5, 5, 1288, {{4, 4}});  // poison gas reaches the Falcon; no save at 0
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.Poisoned, 1u);
    GameState.Poisoned = 0;
    GameState.PoisonImmune = 1;
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.Poisoned, 0u);
    EXPECT_TRUE(host.effects.empty());
}

}  // namespace
