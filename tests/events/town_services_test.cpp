// Wand recharge, the inn with its aura choice, the bank, the temple and the seer.
#include "events/bank.h"
#include "events/inn.h"
#include "events/seer.h"
#include "events/temple.h"
#include "events/wand_recharge.h"
#include "hero/derived_stats.h"
#include "tests/events/event_test.h"

namespace {

constexpr int16_t kWand = 269, kWandType = 18, kTallPicture = 250;

class TownServicesTest : public EventTest {};

// --------------------------------------------------------------------- wand recharge

class WandTest : public TownServicesTest {
protected:
    void SetUp() override {
        TownServicesTest::SetUp();
        Item(kWand, kWandType, "Wand of Sparks");
        ItemTable[kWand].ItemPicture = kTallPicture;  // two cells tall
    }
    // A wand with that many charges whose top cell is (col, row) of the grid.
    static void Wand(int16_t (&grid)[9][9], int16_t instance, int16_t col, int16_t row, int16_t charges) {
        GameState.ItemInstances[instance] = {kWand, 0, charges, 0, 0};
        grid[col][row] = grid[col][row + 1] = instance;
    }
};

TEST_F(WandTest, WandsAreListedBackpackFirstAndTwelveAtMost) {
    EXPECT_EQ(CollectWands().instance[0], -1);
    for (int16_t i = 0; i < 8; ++i) Wand(GameState.Backpack, int16_t(1 + i), i, 2, 0);
    for (int16_t i = 0; i < 5; ++i) Wand(GameState.BagOfHolding, int16_t(20 + i), i, 0, 0);
    // A one-cell wand is not the top of a tall one, and row 8 has no cell below it.
    GameState.ItemInstances[40] = {kWand, 0, 0, 0, 0};
    GameState.Backpack[8][0] = GameState.Backpack[8][8] = 40;

    WandList w = CollectWands();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(w.instance[size_t(i)], 1 + i);
    EXPECT_EQ(w.instance[8], -1);  // the bag is not owned

    GameState.HasBagOfHolding = 1;
    w = CollectWands();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(w.instance[size_t(8 + i)], 20 + i);  // the fifth is left out
}

TEST_F(WandTest, EachClickOneChargeAtTheSamePrice) {
    Put(5, 5, 1328);
    Wand(GameState.Backpack, 1, 3, 3, 4);
    GameState.HeroGold = 25;
    host.Wait(5).Tap('E').Wait(5).Tap('R');  // nothing selected: nothing happens
    Keys({'1', 'R', 'R', 'R', 'D'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.ItemInstances[1].Y, 6);
    EXPECT_EQ(GameState.HeroGold, 5);
    EXPECT_EQ(Played("Buy"), 2u);
    EXPECT_EQ(Played("No"), 1u);
    EXPECT_TRUE(Shown("Wand of Sparks (6)"));
    EXPECT_TRUE(Shown("Recharge: 10 Gp"));
}

// --------------------------------------------------------------------- inn

class InnTest : public TownServicesTest {
protected:
    // An inn on (5, 5): room at 5 gp, the brawl on drink 3 in flag 300.
    EventRecord& Inn(int16_t rooms = 1) { return Put(5, 5, 1249, {{6, 3}, {7, 300}, {8, rooms}}); }
};

TEST_F(InnTest, RoomsOnlyWhereTheyAreLet) {
    Inn(0);
    GameState.HeroGold = 10;
    host.Wait(5).Hold('R', 5);
    TapKey('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroGold, 10);
    EXPECT_FALSE(Shown("Rent Room (5 Gp)"));

    Inn(1);
    GameState.HitPoints = 3;
    GameState.BaseStats[kEndurance] = 4;  // a maximum of 20 hit points
    Keys({'R'});  // no Auras: no choice after the night
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroGold, 5);
    EXPECT_EQ(GameState.HitPoints, 20);
    EXPECT_TRUE(ButtonAt("Rent Room (5 Gp)", 216, 465, 7));
    EXPECT_FALSE(Shown("Activate a new Aura?"));
}

TEST_F(InnTest, TheAuraChosenAfterTheNight) {
    Inn();
    GameState.HeroGold = 10;
    GameState.BaseSkills[kAuras] = 2;
    GameState.ActiveAura = 3;
    Keys({'R', 'W'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.ActiveAura, 5);
    EXPECT_EQ(Played("PowerUp"), 1u);
    EXPECT_TRUE(ShownAt("(W)isdom", 180, 310));

    Keys({'R', 27});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.ActiveAura, -1);
}

TEST_F(InnTest, OneGoldBuysADrinkButNoFood) {
    Inn();
    GameState.HeroGold = 1;
    GameState.HeroFood = 4;
    Keys({'B', 'O', 'B', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroFood, 4);
    EXPECT_EQ(GameState.HeroGold, 0);
    EXPECT_EQ(Played("No"), 1u);
    EXPECT_TRUE(Shown("the belly!"));

    GameState.HeroGold = 2;
    GameState.HeroFood = 9;
    Keys({'B', 'B', 'B', 'L'});  // filled up once, then refused at 10
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroFood, 10);
    EXPECT_EQ(GameState.HeroGold, 1);
    EXPECT_TRUE(ShownAt("into your backpack.", 465, 150));
}

TEST_F(InnTest, TheThirdDrinkOfAVisitStartsTheBrawlOnce) {
    Inn();
    GameState.HeroGold = 20;
    Keys({'O', 'B', 'O', 'B', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    Keys({'O', 'B', 'O', 'B', 'O', 'L'});  // the counter starts again: the brawl is on the third
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[300], 1);
    EXPECT_TRUE(ButtonAt("Fight", 282, 465, 7));
    EXPECT_EQ(GameState.HeroGold, 15);

    Forget();
    Keys({'O', 'B', 'O', 'B', 'O', 'B', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_FALSE(Shown("bar brawl..."));
}

TEST_F(InnTest, ADrinkHealsOnceWhateverTheRepaints) {
    Inn();
    GameState.HeroGold = 5;
    GameState.HitPoints = 10;
    host.Wait(5).Tap('O').Wait(5).LoseFocus().Wait(5).GainFocus().Wait(5).LoseFocus().Wait(5).GainFocus();
    Keys({'B', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_GE(CountShown("the belly!"), 3u);  // drawn again at each regain
    EXPECT_EQ(GameState.HitPoints, 11);
}

// --------------------------------------------------------------------- bank

TEST_F(TownServicesTest, BankTransactionsAreCapped) {
    Put(5, 5, 1250);
    Put(30, 30, 1250);
    GameState.HeroGold = 300;
    Keys({'D', "500", 13, 'W', "120", 13, 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.BankSavings, 180u);
    EXPECT_EQ(GameState.HeroGold, 120);
    EXPECT_TRUE(ShownAt("Bank Savings: 180 gp", 475, 200, 182));

    // The other bank keeps the same account; asking more than it holds takes it all.
    Forget();
    Keys({'W', "9999", 13, 'W', "5", 13, 'L'});
    EXPECT_EQ(Bump(30, 30), 0);
    EXPECT_TRUE(ShownAt("Bank Savings: 180 gp", 475, 200, 182));
    EXPECT_EQ(GameState.BankSavings, 0u);
    EXPECT_EQ(GameState.HeroGold, 300);
    EXPECT_EQ(Played("No"), 1u);  // the empty account

    // At most 9,999 a time; gold below 0 deposits nothing.
    GameState.HeroGold = 20000;
    host.Wait(5).Tap('D').Type("9999").Hold('9', 5);
    Keys({13, 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.BankSavings, 9999u);
    GameState.HeroGold = -50;
    Keys({'D', "10", 13, 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.BankSavings, 9999u);
    EXPECT_EQ(GameState.HeroGold, -50);
}

// --------------------------------------------------------------------- temple

class TempleTest : public TownServicesTest {
protected:
    void SetUp() override {
        TownServicesTest::SetUp();
        Put(5, 5, 1252);
        GameState.HeroGold = 1000;
    }
};

TEST_F(TempleTest, CuresArePricedByTheAfflictions) {
    GameState.Poisoned = GameState.Drained = 1;
    GameState.Cursed = GameState.Feebleminded = 1;
    EXPECT_EQ(TempleCurePrices().body, 250);
    EXPECT_EQ(TempleCurePrices().mind, 250);
    Keys({'B', 'Y', 'M', 'B', 'L'});  // body cured; mind offered, declined
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("250 gp, I can restore", 465, 132));
    EXPECT_TRUE(Shown("your mind. Deal?"));
    EXPECT_EQ(GameState.HeroGold, 750);
    EXPECT_EQ(GameState.Poisoned + GameState.Drained, 0u);
    EXPECT_EQ(GameState.Cursed, 1u);
    EXPECT_EQ(Played("Pray"), 1u);

    Forget();
    GameState.HeroGold = 100;  // too little: the page stays until "No"
    Keys({'M', 'Y', 'B', 'B', 'B', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("No"), 1u);
    EXPECT_TRUE(Shown("of the body!"));
    EXPECT_EQ(GameState.Cursed, 1u);
}

TEST_F(TempleTest, HealingBlessingAndEnergy) {
    GameState.HitPoints = 15;
    GameState.Energy = 2;
    GameState.EnergyMax = 9;
    GameState.BlessTurns = 30;
    Keys({'H', 'Y', 'H', 'B', 'E', 'Y', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("5 gp! Deal?"));
    EXPECT_TRUE(Shown("be uninjured!"));  // healed in full
    EXPECT_EQ(GameState.BlessTurns, 50);
    EXPECT_EQ(GameState.HeroGold, 1000 - 5 - 100);
    EXPECT_EQ(GameState.Energy, 9);
}

TEST_F(TempleTest, AnInactiveTempleStillRecomputesTheHero) {
    EventRecord& e = *EventGrid[5 * 50 + 5];
    e.Word[1] = 400;
    e.Word[3] = 1;  // active when flag 400 > 1
    GameState.BaseStats[kStrength] = 7;
    GameState.Stats[kStrength] = 99;
    EXPECT_EQ(Bump(5, 5), 1);
    EXPECT_EQ(GameState.Stats[kStrength], 7);
    EXPECT_EQ(Played("Text"), 0u);
}

// --------------------------------------------------------------------- seer

TEST_F(TownServicesTest, SeerTitles) {
    struct Case {
        int16_t score;
        std::string_view line;
    };
    Put(5, 5, 1254);
    constexpr std::string_view kCommoner = "I hereby dub thee a simple commoner.";
    for (const Case c : {Case{-1, kCommoner}, Case{9, kCommoner}, Case{10, "dub thee a Common Adventurer."}, Case{69, "dub thee a Hero"},
                         Case{100, "dub thee a Demigod."}, Case{101, "dub thee a Cheating Swine!."}}) {
        GameState.Score = c.score;
        Forget();
        Keys({'R', 'L'});
        EXPECT_EQ(Bump(5, 5), 0);
        EXPECT_TRUE(ShownAt(c.line, 50, 206, 182)) << c.score;
    }
    EXPECT_TRUE(Shown("<He peers into his crystal ball>"));
    EventGrid[5 * 50 + 5]->Word[5] = 1;
    Keys({'R', 13});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("<She peers into her crystal ball>"));
}

}  // namespace
