// The codes that test and roll: when each jumps, with numbers outside their tables false,
// and every roll drawing exactly one number.
#include <functional>

#include "hero/give_item.h"
#include "hero/item_grids.h"
#include "platform/random.h"
#include "tests/script/script_test.h"

namespace {

class TestCodesTest : public ScriptTest {};

TEST_F(TestCodesTest, EachTestJumpsWhenItHolds) {
    Item(40, 0, 0, "Axe");
    Item(41, 0, 0, "Cup");
    Item(42, 1, 330, "Staff");  // three cells tall
    const struct {
        const char* name;
        int16_t code;
        std::array<int16_t, 5> ops;
        std::function<void()> setUp;
        bool jumps;
    } cases[] = {
        {"ILE at the level", 14, {5, 1}, [] { GameState.HeroLevel = 5; }, true},
        {"ILE below", 14, {5, 1}, [] { GameState.HeroLevel = 4; }, false},
        {"ICA one", 15, {40, 1, -1, -1}, [] { GiveItem(40, 0, 0, 0); }, true},
        {"ICA two of one", 15, {40, 1, 40, -1}, [] { GiveItem(40, 0, 0, 0); }, false},
        {"ICA two of two", 15, {40, 1, 40, 0}, [] {
             GiveItem(40, 0, 0, 0);
             GiveItem(40, 0, 0, 0);
         }, true},
        {"ICA gem bag", 15, {20, 1, 40, -1}, [] {
             GameState.GembagCounts[0] = 1;
             GiveItem(40, 0, 0, 0);
         }, true},
        {"ICA missing", 15, {40, 1, 41, -1}, [] { GiveItem(40, 0, 0, 0); }, false},
        {"ICA no item", 15, {-1, 1, -1, -1}, [] {}, false},
        {"ICA past the table", 15, {40, 1, 714, -1}, [] { GiveItem(40, 0, 0, 0); }, false},
        {"IWE worn", 16, {40, 1}, [] { Wear(kRing1Slot, 3, 40); }, true},
        {"IWE carried", 16, {40, 1}, [] { GiveItem(40, 0, 0, 0); }, false},
        {"ISE", 17, {1, 1}, [] { GameState.HeroSex = 1; }, true},
        {"ISE other", 17, {1, 1}, [] { GameState.HeroSex = 0; }, false},
        {"IQU", 18, {7, 2, 1}, [] { GameState.QuestStates[7] = 2; }, true},
        {"IQU other state", 18, {7, 1, 1}, [] { GameState.QuestStates[7] = 2; }, false},
        {"IQU no quest", 18, {200, 0, 1}, [] {}, false},
        {"IST at least", 19, {1, 12, 1}, [] { GameState.Stats[1] = 12; }, true},
        {"IST below", 19, {1, 12, 1}, [] { GameState.Stats[1] = 11; }, false},
        {"IST no statistic", 19, {7, -1, 1}, [] {}, false},
        {"ISK negative as 0", 20, {0, 0, 1}, [] { GameState.Skills[0] = -2; }, true},
        {"ISK below", 20, {0, 1, 1}, [] { GameState.Skills[0] = -2; }, false},
        {"ISK no skill", 20, {12, -1, 1}, [] {}, false},
        {"IGP", 48, {100, 1}, [] { GameState.HeroGold = 100; }, true},
        {"IGP below", 48, {100, 1}, [] { GameState.HeroGold = 99; }, false},
        {"IPA", 59, {2, 1}, [] { GameState.PentaActive[2] = 1; }, true},
        {"IPA 7", 59, {7, 1}, [] {}, false},
        {"CXI gems and loose", 62, {3, 20, 1}, [] {
             GameState.GembagCounts[0] = 2;
             GiveItem(20, 0, 0, 1);
         }, true},
        {"CXI too few", 62, {3, 20, 1}, [] { GameState.GembagCounts[0] = 2; }, false},
        {"CXI bag counts", 62, {2, 40, 1}, [] {
             GameState.HasBagOfHolding = 1;
             GiveItem(40, 0, 0, 0);
             AddToBag(40, 0, 0);
         }, true},
        {"CXI worn does not", 62, {2, 40, 1}, [] {
             GiveItem(40, 0, 0, 0);
             Wear(kWeaponSlot, 9, 40);
         }, false},
        {"CXI past the table", 62, {0, 714, 1}, [] {}, false},
        {"CXI a staff is one", 62, {2, 42, 1}, [] { GiveItem(42, 0, 0, 0); }, false},
        {"CXI two staves", 62, {2, 42, 1}, [] {
             GiveItem(42, 0, 0, 0);
             GiveItem(42, 0, 0, 0);
         }, true},
    };
    for (const auto& c : cases) {
        const auto saved = std::make_unique<GameStateRecord>(GameState);
        c.setUp();
        EXPECT_EQ(Jumps(c.code, c.ops), c.jumps) << c.name;
        GameState = *saved;
    }
}

TEST_F(TestCodesTest, RollsDrawOneNumberEach) {
    // Seeded with 1 the generator gives 41, then 18467: a d5 rolls 2, a d20 2, a d6 6.
    GameState.Stats[1] = 3;
    GameState.Skills[0] = 6;
    const struct {
        const char* name;
        int16_t code;
        std::array<int16_t, 5> ops;
        bool jumps;
    } cases[] = {
        {"1d5 on 2", 53, {-1, 1, -1, -1, -1}, true},
        {"1d5 no mark for 2", 53, {1, -1, 1, 1, 1}, false},
        {"IFr 2 <= 2", 54, {20, 3, 2, 1}, true},
        {"IFr 2 >= 15", 54, {20, 2, 15, 1}, false},
        {"IFr operator 6", 54, {20, 6, 2, 1}, false},
        {"IFr no sides", 54, {0, 2, -5, 1}, false},
        {"IFr sides -1", 54, {-1, 4, 7, 1}, false},
        {"rST 2 < 3", 55, {20, 1, 1, 1}, true},
        {"rST 2 > 3", 55, {20, 0, 1, 1}, false},
        {"rST no statistic", 55, {20, 4, 7, 1}, false},
        {"rSK 6 == 6", 56, {6, 5, 0, 1}, true},
        {"rSK no skill", 56, {6, 4, 12, 1}, false},
    };
    for (const auto& c : cases) {
        SeedRandom(1);
        EXPECT_EQ(Jumps(c.code, c.ops), c.jumps) << c.name;
        EXPECT_EQ(Random15(), 18467) << c.name;
    }
}

}  // namespace
