// RecalcHero from a new hero up: difficulty, tattoos, afflictions, worn items, the lasting
// effects of 999 turns, and the equipment queries.
#include "hero/derived_stats.h"

#include <vector>

#include "hero/item_instances.h"
#include "tests/hero/hero_test.h"

namespace {

class DerivedStatsTest : public HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        GameState.HeroLevel = 1;
        GameState.BaseStats[0] = 5;
        for (int s = 1; s < 7; ++s) GameState.BaseStats[s] = 1;
        GameState.Energy = GameState.HitPoints = 30000;
    }
    static const GameStateRecord& g() { return GameState; }
    static std::vector<int16_t> Stats() { return {std::begin(g().Stats), std::end(g().Stats)}; }
    using V = std::vector<int16_t>;
};

TEST_F(DerivedStatsTest, NewHeroByDifficulty) {
    RecalcHero();
    EXPECT_EQ(Stats(), (V{6, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ((V{g().EnergyMax, g().Energy, g().HitPointsMax, g().HitPoints}), (V{2500, 2500, 10, 10}));
    EXPECT_EQ((V{g().Saves[0], g().Saves[1], g().DamageReduction}), (V{4, 4, 0}));
    V combat;
    for (int16_t d = 0; d < 5; ++d) {
        Options.Difficulty = d;
        RecalcHero();
        combat.push_back(g().Stats[0]);
    }
    EXPECT_EQ(combat, (V{10, 6, 6, 6, 2}));
    GameState.BaseStats[0] = -10;  // never below 1
    RecalcHero();
    EXPECT_EQ(g().Stats[0], 1);
}

TEST_F(DerivedStatsTest, TattoosAndAfflictions) {
    for (uint32_t& t : GameState.Tattoos) t = 1;
    RecalcHero();
    EXPECT_EQ(Stats(), (V{7, 2, 2, 2, 1, 2, 2}));
    EXPECT_EQ((V{std::begin(g().Resists), std::end(g().Resists)}), (V{0, 0, 5, 5}));
    EXPECT_EQ(g().PetrifyImmune, 1u);

    GameState.Drained = 1;  // Endurance 1, then the troll's +1
    GameState.HeroLevel = 3;
    RecalcHero();
    EXPECT_EQ(g().Stats[2], 2);
    EXPECT_EQ(g().HitPointsMax, 12);  // (10 + 15) / 2

    GameState.Poisoned = GameState.Diseased = 1;
    GameState.InvisibleTurns = 3;
    GameState.Hidden = 1;  // +10, not +15
    GameState.BaseStats[1] = 8;
    GameState.Aged = 1;
    GameState.BaseStats[5] = 9;
    GameState.Feebleminded = 1;
    RecalcHero();
    EXPECT_EQ(g().Stats[0], 5 + 3 - 4 + 10 + 1);
    EXPECT_EQ(g().Stats[1], 1);
    EXPECT_EQ(g().Stats[5], 1);
    EXPECT_EQ(g().Saves[0], 10);
    Wear(kHelmetSlot, 0, 314);
    RecalcHero();
    EXPECT_EQ(g().Saves[0], 35);
}

TEST_F(DerivedStatsTest, WornArmourWithAndWithoutAKnownCurse) {
    Item(300, 3).ItemArmourBonus = 6;
    Item(301, 4).ItemArmourBonus = 2;
    Item(302, 2);  // a small weapon in the off hand gives no armour
    GameState.BaseStats[3] = 4;
    Wear(kArmourSlot, 0, 300, 2);
    Wear(kHelmetSlot, 1, 301, 1);
    RecalcHero();
    EXPECT_EQ(ArmourPieceDR(kArmourSlot), 8);
    EXPECT_EQ(g().DamageReduction, 6);  // (8 + 3 + 4 / 2) / 2
    GameState.ItemInstances[0].CurseKnown = 1;
    RecalcHero();
    EXPECT_EQ(g().DamageReduction, 2);
    Wear(kOffhandSlot, 2, 302, 5);
    EXPECT_EQ(ArmourPieceDR(kOffhandSlot), 0);

    GameState.BaseStats[3] = 1;
    GameState.EquipSlots[kHelmetSlot] = -1;
    GameState.ItemInstances[0] = {300, -9, 0, 0, 0};  // cursed, not yet found: -3 in all
    RecalcHero();
    EXPECT_EQ(g().DamageReduction, -1);
}

TEST_F(DerivedStatsTest, LastingEffectsOfWornItems) {
    Wear(kAmuletSlot, 0, 92);
    RecalcHero();
    EXPECT_EQ(g().BlessTurns, 999);
    EXPECT_EQ(g().Stats[1], 1);  // the +1 shows at the next call
    RecalcHero();
    EXPECT_EQ(g().Stats[1], 2);
    GameState.EquipSlots[kAmuletSlot] = -1;
    RecalcHero();
    EXPECT_EQ(g().BlessTurns, 0);
    EXPECT_EQ(g().Stats[1], 2);
    RecalcHero();
    EXPECT_EQ(g().Stats[1], 1);

    Wear(kBootsSlot, 1, 91);
    RecalcHero();
    EXPECT_EQ(g().WaterWalkTurns, 999);
    GameState.EquipSlots[kBootsSlot] = -1;
    RecalcHero();
    EXPECT_EQ(g().WaterWalkTurns, 0);
    GameState.WaterWalkTurns = 50;  // from another source
    RecalcHero();
    EXPECT_EQ(g().WaterWalkTurns, 50);
}

TEST_F(DerivedStatsTest, ArmedAndUnarmed) {
    Item(300, 0);
    Item(301, 2);
    Item(302, 4);
    EXPECT_EQ(IsUnarmed(), 1);
    Wear(kOffhandSlot, 2, 302);
    EXPECT_EQ(IsUnarmed(), 1);
    Wear(kOffhandSlot, 1, 301, 0, 2);
    EXPECT_EQ(IsUnarmed(), 0);
    RecalcHero();
    EXPECT_EQ(g().Stats[0], 8);
    GameState.EquipSlots[kOffhandSlot] = -1;
    Wear(kWeaponSlot, 0, 300, 0, -3);  // a negative Y lowers nothing
    EXPECT_EQ(IsUnarmed(), 0);
    RecalcHero();
    EXPECT_EQ(g().Stats[0], 6);
    Wear(kBowSlot, 3, 300, 0, 4);
    RecalcHero();
    EXPECT_EQ(g().Stats[0], 10);
}

TEST_F(DerivedStatsTest, SkillsBeltsAndResilience) {
    GameState.BaseSkills[1] = 0;
    GameState.BaseSkills[2] = 1;
    GameState.BaseSkills[9] = 4;
    GameState.Cursed = 1;
    Wear(kBeltSlot, 0, 49, 2);
    RecalcHero();
    EXPECT_EQ(g().Skills[1], 0);
    EXPECT_EQ(g().Skills[2], 1);
    EXPECT_EQ(g().Skills[9], 4);

    GameState.Cursed = 0;
    Wear(kBeltSlot, 0, 46, 30);  // Resilience, clamped to 20 before it indexes the tables
    SkillBonus.ResilienceDr[20] = 6;
    SkillBonus.ResilienceResist[20] = 7;
    RecalcHero();
    EXPECT_EQ(g().Skills[9], 20);
    EXPECT_EQ(g().DamageReduction, 3);
    EXPECT_EQ(g().Resists[1], 7);

    GameState.BaseSkills[6] = 19;
    GameState.BaseStats[5] = 6;
    Wear(kArmourSlot, 1, 440, 4);
    RecalcHero();
    EXPECT_EQ(g().Skills[6], 23);  // past 20, no clamp
}

TEST_F(DerivedStatsTest, HitPointsRingsAndTables) {
    Wear(kAmuletSlot, 0, 37, 20);
    Wear(kRing1Slot, 1, 94, 3);
    Wear(kRing2Slot, 2, 94, 3);  // the second ring's 94 lowers nothing
    RecalcHero();
    EXPECT_EQ(g().HitPointsMax, 27);
    EXPECT_EQ(RingBonus(94, 3), 6);
    EXPECT_EQ(RingBonus(94, 2), 3);
    EXPECT_EQ(RingBonus(94, 4), 0);
    GameState.HitPoints = 27;
    GameState.EquipSlots[kAmuletSlot] = -1;
    RecalcHero();
    EXPECT_EQ(g().HitPoints, 7);

    GameState.BaseStats[2] = 70;  // the energy maximum is held at the top of its field
    RecalcHero();
    EXPECT_EQ(g().EnergyMax, 32767);

    EXPECT_EQ((std::vector<int32_t>{XpTable[0], XpTable[1], XpTable[4], XpTable[50]}),
              (std::vector<int32_t>{0, 100, 1000, 127500}));
}

}  // namespace
