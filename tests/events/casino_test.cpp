// The casino: the pay-out tables, and each game played with the generator seeded for the draws
// the case needs.
#include "events/casino.h"

#include <functional>
#include <set>
#include <string>

#include "platform/random.h"
#include "tests/events/event_test.h"

namespace {

class CasinoTest : public EventTest {
protected:
    void Casino(int16_t game) { Put(5, 5, 1255, {{6, game}}); }
    // Seeds the generator with the first seed whose next draws pass the test.
    static void SeedFor(const std::function<bool()>& draws) {
        for (uint32_t seed = 1;; ++seed) {
            SeedRandom(seed);
            if (draws()) return SeedRandom(seed);
        }
    }
    // n draws of Random15() % mod + 1 that each pass the test.
    static std::function<bool()> Each(int n, int mod, const std::function<bool(int)>& test) {
        return [=] {
            for (int i = 0; i < n; ++i)
                if (!test(Random15() % mod + 1)) return false;
            return true;
        };
    }
    int PlayOnce(int32_t gold) {
        GameState.HeroGold = gold;
        Keys({'P', 'L'});
        return Bump(5, 5);
    }
};

TEST_F(CasinoTest, PayOutTables) {
    using Cards = std::array<int16_t, 3>;
    for (auto [cards, win] : {std::pair{Cards{3, 3, 3}, 20}, {Cards{3, 3, 4}, 0}, {Cards{4, 4, 4}, 5000},
                              {Cards{0, 1, 2}, 0}})
        EXPECT_EQ(CardsPayout(cards), win);
    for (auto [cards, win] : {std::pair{Cards{0, 1, 1}, 5}, {Cards{1, 0, 1}, 5}, {Cards{1, 1, 0}, 5},
                              {Cards{0, 0, 0}, -2}, {Cards{1, 1, 1}, 50}, {Cards{0, 1, 0}, 0}})
        EXPECT_EQ(EmpirePayout(cards), win);
    EXPECT_EQ(GameState.HeroGold, 20 + 5000 + 5 * 3 - 2 + 50);  // each win credited
    using Dice = std::array<int16_t, 5>;
    for (auto [dice, win] : {std::pair{Dice{6, 1, 2, 3, 4}, 0}, {Dice{6, 6, 1, 1, 1}, 2}, {Dice{6, 6, 6, 1, 1}, 25},
                             {Dice{6, 6, 6, 6, 5}, 50}, {Dice{6, 6, 6, 6, 6}, 5000}})
        EXPECT_EQ(DicePayout(dice), win);
    for (auto [reds, win] : {std::pair{3, 0}, {4, 5}, {5, 50}, {6, 500}, {7, 5000}, {10, 5000}}) {
        std::array<bool, 10> beads{};
        std::fill_n(beads.begin(), reds, true);
        EXPECT_EQ(BeadsPayout(beads), win) << reds;
    }
    for (auto [spin, win] : {std::pair{69, 50}, {100, 50}, {103, 0}, {1, 5}, {5, 5}, {6, 0}, {94, 0}, {95, 5},
                             {99, 5}})
        EXPECT_EQ(WheelPrize(int16_t(spin)), win) << spin;
    EXPECT_EQ(CockWinChance({0, 1}), 60);
    EXPECT_EQ(CockWinChance({0, 2}), 40);
    EXPECT_EQ(CockWinChance({2, 0}), 60);
}

TEST_F(CasinoTest, CardsAndDice) {
    Casino(0);
    SeedFor(Each(3, 43, [](int r) { return r >= 31 && r <= 40; }));  // three Crowns
    EXPECT_EQ(PlayOnce(5), 0);
    EXPECT_EQ(GameState.HeroGold, 24);
    EXPECT_TRUE(ShownAt("You win 20 gp!", 50, 345, 91));
    EXPECT_TRUE(ShownAt("You currently have 24 gold pieces.", 50, 100, 91));
    EXPECT_EQ(Played("Card"), 3u);

    Casino(1);
    SeedFor([] {
        int sixes = 0;
        for (int i = 0; i < 5; ++i) sixes += Random15() % 6 + 1 == 6;
        return sixes == 1;
    });
    EXPECT_EQ(PlayOnce(5), 0);
    EXPECT_EQ(GameState.HeroGold, 4);
    EXPECT_TRUE(ShownAt("You lose!", 50, 280, 182));
    EXPECT_EQ(Played("Dice"), 5u);
}

TEST_F(CasinoTest, EmpireAndBeads) {
    Casino(2);
    EXPECT_EQ(PlayOnce(5), 0);  // 6 gp in hand for a game of 1
    EXPECT_EQ(GameState.HeroGold, 5);
    EXPECT_EQ(Played("No"), 1u);
    SeedFor(Each(3, 20, [](int r) { return r < 15; }));  // three Executions
    EXPECT_EQ(PlayOnce(10), 0);
    EXPECT_EQ(GameState.HeroGold, 7);
    EXPECT_TRUE(ShownAt("You 'get the chop' (lose 2 more gp)!", 50, 350, 91));

    Casino(3);
    SeedFor([] {
        int red = 0;
        for (int i = 0; i < 10; ++i) red += Random15() % 50 + 1 > 40;
        return red == 4;
    });
    EXPECT_EQ(PlayOnce(10), 0);
    EXPECT_EQ(GameState.HeroGold, 14);
    EXPECT_TRUE(ShownAt("You win 5 gp!", 50, 300, 91));
}

TEST_F(CasinoTest, NoGoldNoGameAndNoSuchGame) {
    for (int16_t game = 0; game < 7; ++game) {
        Casino(game);
        Forget();
        GameState.HeroGold = game >= 5 ? 1 : 0;  // the arena games ask 2
        EXPECT_EQ(PlayOnce(GameState.HeroGold), 0);
        EXPECT_EQ(Played("No"), game == 4 ? 0u : 1u) << game;  // the wheel does nothing at all
        EXPECT_EQ(GameState.HeroGold, game >= 5 ? 1 : 0);
    }
    Casino(7);
    Forget();
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("Text"), 1u);
    EXPECT_TRUE(host.texts.empty());
}

TEST_F(CasinoTest, WheelOfFortuneWithThreeLuckCharms) {
    for (int16_t charm = 153; charm <= 155; ++charm) {
        Item(charm, 42, "Charm");
        Carry(charm);
    }
    Casino(4);
    for (auto [raw, gold] : {std::pair{66, 59}, {97, 59}, {100, 9}, {3, 14}, {1, 14}, {50, 9}}) {
        SeedFor(Each(1, 100, [raw = raw](int r) { return r == raw; }));
        EXPECT_EQ(PlayOnce(10), 0);
        EXPECT_EQ(GameState.HeroGold, gold) << raw;
    }
}

TEST_F(CasinoTest, CockFightsKeepTheirBreedsAndWaitForTheBet) {
    Casino(5);
    GameState.HeroGold = 10;
    host.Wait(5).Tap('P').Hold('L', 5).Hold(27, 5);  // nothing but a bet after paying
    Keys({'1', 'P', '2', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    std::set<std::string> first, second;
    for (const host::TextRecord& t : host.texts) {
        if (t.x == 50 && t.y == 260) first.insert(t.text);
        if (t.x == 330 && t.y == 260) second.insert(t.text);
    }
    EXPECT_EQ(first.size(), 1u);
    EXPECT_EQ(second.size(), 1u);
    EXPECT_NE(*first.begin(), *second.begin());
    EXPECT_EQ(Played("Buy"), 2u);
    EXPECT_EQ(CountShown("You win 4gp!") + CountShown("You lose!"), 2u);
}

TEST_F(CasinoTest, RatRacesLeftWhileBettingLoseTheStake) {
    Casino(6);
    GameState.HeroGold = 10;
    Keys({'P', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.HeroGold, 8);
    EXPECT_TRUE(ButtonAt("Bet on Rat 3", 380, 280));

    Keys({'P', '2', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("Bet on rat 2 !"));
    EXPECT_TRUE(GameState.HeroGold == 6 || GameState.HeroGold == 12);
}

}  // namespace
