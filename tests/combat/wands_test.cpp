// Wands from the slot and from the backpack: the damage with Overcharge, the charge spent and
// where the wand goes back, empty wands, and the three square effects.
#include "combat/wands.h"

#include <memory>
#include <tuple>
#include <variant>

#include "hero/equipment.h"
#include "tests/combat/power_test.h"

namespace {

class WandsTest : public PowerTest {
  protected:
    int FromSlot() { return Cast(UseWand); }
    int FromCursor(int16_t instance) {
        CursorItem = instance;
        return Cast(UsePowerOnMonster);
    }
};

TEST_F(WandsTest, AFireWandUnderOverchargeCatchesTheHeroToo) {
    Item(264, 18, 0, "Fire Wand");
    Wear(kWandSlot, 5, 264, 3, 4);
    GameState.ActiveAura = 2;
    GameState.Skills[kAuras] = 5;
    SkillBonus.AuraValues[2] = 1;
    Monster(1).MonsterHitPoints = 50;
    const int16_t e = Place(1, 25, 26);
    int32_t heroRoll = 0, monsterRoll = 0;
    SeedRandom(11);
    heroRoll = D(6) + D(6) + D(6) + 5;  // the hero's square comes first in the area
    monsterRoll = D(6) + D(6) + D(6) + 5;
    SeedRandom(11);
    TapKey('A');  // the 3 x 3 area around the hero
    EXPECT_EQ(FromSlot(), 1);
    EXPECT_EQ(GameState.HitPoints, 100 - heroRoll);
    EXPECT_EQ(Enc(e).Hp, 50 - monsterRoll);
    EXPECT_EQ(GameState.ItemInstances[5].Y, 3);
    EXPECT_EQ(GameState.EquipSlots[kWandSlot], 5);
    EXPECT_TRUE(TextShown(host, "Fire Wand (4)"));
}

TEST_F(WandsTest, EmptyOrCancelledWandsSpendNothing) {
    Item(265, 18);
    Wear(kWandSlot, 5, 265, 2, 0);
    EXPECT_EQ(FromSlot(), 0);  // silent
    EXPECT_TRUE(host.effects.empty());
    GameState.ItemInstances[5].Y = 2;
    TapKey(27);
    EXPECT_EQ(FromSlot(), 0);
    EXPECT_EQ(GameState.ItemInstances[5].Y, 2);

    GameState.ItemInstances[6] = {265, 2, 0, 0, 0};
    EXPECT_EQ(FromCursor(6), 0);
    EXPECT_TRUE(Played("No"));
    EXPECT_EQ(CursorItem, 6);
}

TEST_F(WandsTest, ABackpackWandComesBackWithOneChargeLess) {
    Item(263, 18);
    for (int16_t charges : {2, 1}) {
        GameState.ItemInstances[7] = {263, 4, charges, 0, 0};
        TapKey('A');
        EXPECT_EQ(FromCursor(7), 1);
        EXPECT_EQ(CursorItem, -1);
        EXPECT_EQ(GameState.Backpack[0][0], 7);  // the same instance, X kept
        EXPECT_EQ(GameState.ItemInstances[7].X, 4);
        EXPECT_EQ(GameState.ItemInstances[7].Y, charges - 1);
        GameState.Backpack[0][0] = -1;
    }

    for (auto& column : GameState.Backpack)  // no room anywhere: it stays on the cursor
        for (int16_t& cell : column) cell = 100;
    GameState.ItemInstances[7].Y = 3;
    TapKey('A');
    TapKey(13);
    EXPECT_EQ(FromCursor(7), 1);
    EXPECT_EQ(CursorItem, 7);
    EXPECT_EQ(GameState.ItemInstances[7].Y, 2);
    EXPECT_EQ(SecondLineOfBox(host, "Return item to pack"), "error! Pack full!");
}

TEST_F(WandsTest, TheDormantWandChangesOnlyItsOwnMonster) {
    Item(269, 18);
    Monster(1, 1236);  // 2 x 2
    Monster(2);
    Monster(56);
    const int16_t big = Place(1, 26, 25);
    Enc(big).DormantFlag = 500;
    Enc(big).DormantValue = 3;
    Wear(kWandSlot, 5, 269, 2, 3);  // X: the monster it works on
    Keys({39, 'A'});
    EXPECT_EQ(FromSlot(), 1);  // another monster number: nothing, but the charge is spent
    EXPECT_EQ(Enc(big).Monster, 1);
    EXPECT_EQ(GameState.ItemInstances[5].Y, 2);

    GameState.ItemInstances[5].X = 1;
    Keys({39, 'A'});
    EXPECT_EQ(FromSlot(), 1);
    EXPECT_EQ(Enc(big).Monster, 56);
    EXPECT_EQ(GameFlag(500), 3);
    EXPECT_EQ(At(26, 25), big);  // the footprint of a one-square monster now
    EXPECT_EQ(At(27, 26), -1);
    EXPECT_TRUE(Played("Pray"));

    const int16_t unset = Place(2, 25, 24);
    GameState.ItemInstances[5].X = 2;
    Keys({38, 'A', 13});
    FromSlot();
    EXPECT_EQ(SecondLineOfBox(host, "Dormant Flag on this"), "monster not set!!!");
    EXPECT_EQ(Enc(unset).Monster, 2);
}

TEST_F(WandsTest, FlowersAnswerOnlyTheirOwnSpellAndTheQuestWandItsEvent) {
    Item(270, 18);
    Wear(kWandSlot, 5, 270, 0, 9);
    EventRecord& altar = Event(26, 25, 1262);
    altar.Word[4] = 300;
    altar.Word[5] = 301;
    for (int16_t spell = 0; spell <= 4; ++spell) {
        altar.Word[3] = spell;
        Keys({39, 'A'});
        FromSlot();
        EXPECT_EQ(GameFlag(300), spell == 4 ? 1 : 0) << spell;
        EXPECT_EQ(GameFlag(301), spell == 4 ? 1 : 0) << spell;
    }

    Item(290, 18);
    Wear(kWandSlot, 6, 290, 7, 1);
    EventRecord& door = Event(25, 24, 1263);
    door.Word[6] = 302;
    SetGameFlag(302, 239);
    Keys({38, 'A'});
    EXPECT_EQ(FromSlot(), 1);
    EXPECT_EQ(GameFlag(302), 238);
}

TEST_F(WandsTest, TheLilyCurseHoldAndFrogWandsFromTheSlot) {
    struct Case {
        const char* what;
        int16_t item, x;
        std::initializer_list<std::variant<const char*, int>> keys;
        void (*before)();
        void (*check)();
    };
    const Case cases[] = {
        {"lily: the lily bridge east grows", 266, 0, {39, 'A'},
         [] {
             EventRecord& bridge = Event(26, 25, 1270);
             bridge.Word[1] = 2;
             bridge.Word[6] = 400;
         },
         [] { EXPECT_EQ(GameFlag(400), 1); }},
        {"incompetence by X over the 3 x 3 around the hero", 267, 7, {'A'},
         [] {
             Place(1, 26, 25);
             Place(1, 24, 24);
             Place(1, 27, 25);
         },
         [] {
             EXPECT_EQ(Enc(0).AttackPenalty, 7);
             EXPECT_EQ(Enc(1).AttackPenalty, 7);
             EXPECT_EQ(Enc(2).AttackPenalty, 0);  // outside
             EXPECT_EQ(GameState.HitPoints, 100);
         }},
        {"hold", 268, 0, {39, 'A'}, [] { Place(1, 26, 25); }, [] { EXPECT_EQ(Enc(0).Paralysed, 1); }},
        {"hold on a wand-immune monster", 268, 0, {39, 'A', 13},
         [] {
             Monster(2).MonsterWandImmune = 1;
             Place(2, 26, 25);
         },
         [] { EXPECT_EQ(Enc(0).Paralysed, 0); }},
        {"frog", 297, 0, {39, 'A'}, [] { Place(1, 26, 25); },
         [] { EXPECT_EQ(std::tuple(Enc(0).Monster, Enc(0).Hp), std::tuple(196, 2)); }},
    };
    const auto start = std::make_unique<GameStateRecord>(GameState);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState = *start;
        EventGrid[26 * 50 + 25].reset();
        Monster(1);
        Monster(2);
        Monster(196).MonsterHitPoints = 2;
        Item(c.item, 18);
        c.before();
        Wear(kWandSlot, 5, c.item, c.x, 3);
        Keys(c.keys);
        EXPECT_EQ(FromSlot(), 1);
        EXPECT_EQ(GameState.ItemInstances[5].Y, 2);
        c.check();
    }
    EXPECT_EQ(SecondLineOfBox(host, " Monster is immune to"), " the effects of this wand!");
}

}  // namespace
