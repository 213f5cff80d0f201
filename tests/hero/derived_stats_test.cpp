// RecalcHero from a new hero up: difficulty, tattoos, afflictions, worn items, the lasting
// effects of 999 turns, and the equipment queries.
#include "hero/derived_stats.h"

#include <memory>
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
    // The amulet's +1 comes and goes with the one call after the change.
    Wear(kAmuletSlot, 0, 92);
    RecalcHero();
    EXPECT_EQ(g().BlessTurns, 999);
    EXPECT_EQ(Stats(), (V{6, 2, 2, 2, 2, 2, 2}));
    GameState.EquipSlots[kAmuletSlot] = -1;
    RecalcHero();
    EXPECT_EQ(g().BlessTurns, 0);
    EXPECT_EQ(Stats(), (V{6, 1, 1, 1, 1, 1, 1}));

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

// One worn item or timed effect at a time on the new hero, worked by hand from the table of
// worn items.
TEST_F(DerivedStatsTest, WornItemsOneByOne) {
    struct Case {
        const char* what;
        void (*put)();
        int16_t (*read)();
        int16_t expected;
    };
    static const Case cases[] = {
        {"amulet 30", [] { Wear(kAmuletSlot, 0, 30, 3); }, [] { return g().Stats[1]; }, 4},
        {"amulet 31", [] { Wear(kAmuletSlot, 0, 31, 3); }, [] { return g().Stats[2]; }, 4},
        {"amulet 31 hit points", [] { Wear(kAmuletSlot, 0, 31, 3); }, [] { return g().HitPointsMax; }, 25},
        {"amulet 32", [] { Wear(kAmuletSlot, 0, 32, 3); }, [] { return g().Stats[3]; }, 4},
        {"amulet 33", [] { Wear(kAmuletSlot, 0, 33, 3); }, [] { return g().Stats[4]; }, 4},
        {"amulet 34", [] { Wear(kAmuletSlot, 0, 34, 3); }, [] { return g().Stats[5]; }, 4},
        {"amulet 34 mind save", [] { Wear(kAmuletSlot, 0, 34, 3); }, [] { return g().Saves[0]; }, 16},
        {"amulet 35", [] { Wear(kAmuletSlot, 0, 35, 3); }, [] { return g().Stats[6]; }, 4},
        {"amulet 30 cursed", [] { Wear(kAmuletSlot, 0, 30, -3); }, [] { return g().Stats[1]; }, 1},
        {"amulet 35 leaves strength", [] { Wear(kAmuletSlot, 0, 35, 3); }, [] { return g().Stats[1]; }, 1},
        {"ring 11", [] { Wear(kRing1Slot, 0, 11, 4); }, [] { return g().Resists[0]; }, 4},
        {"ring 12", [] { Wear(kRing2Slot, 0, 12, 4); }, [] { return g().Resists[1]; }, 4},
        {"ring 13", [] { Wear(kRing1Slot, 0, 13, 4); }, [] { return g().Resists[2]; }, 4},
        {"ring 14", [] { Wear(kRing2Slot, 0, 14, 4); }, [] { return g().Resists[3]; }, 4},
        {"two rings 11", [] { Wear(kRing1Slot, 0, 11, 4), Wear(kRing2Slot, 1, 11, 2); },
         [] { return g().Resists[0]; }, 6},
        {"ring 15", [] { Wear(kRing1Slot, 0, 15, 5); }, [] { return g().Saves[0]; }, 9},
        {"ring 16", [] { Wear(kRing2Slot, 0, 16, 5); }, [] { return g().Saves[1]; }, 9},
        {"ring 16 cursed", [] { Wear(kRing1Slot, 0, 16, -9); }, [] { return g().Saves[1]; }, 0},
        {"off-hand 649", [] { Wear(kOffhandSlot, 0, 649, 9, 3); }, [] { return g().Resists[0]; }, 3},
        {"off-hand 650", [] { Wear(kOffhandSlot, 0, 650, 9, 3); }, [] { return g().Resists[1]; }, 3},
        {"off-hand 651", [] { Wear(kOffhandSlot, 0, 651, 9, 3); }, [] { return g().Resists[2]; }, 3},
        {"off-hand 652", [] { Wear(kOffhandSlot, 0, 652, 9, 3); }, [] { return g().Resists[3]; }, 3},
        {"off-hand 652 leaves acid", [] { Wear(kOffhandSlot, 0, 652, 9, 3); }, [] { return g().Resists[0]; }, 0},
        {"off-hand 655 acid", [] { Wear(kOffhandSlot, 0, 655, 9, 3); }, [] { return g().Resists[0]; }, 5},
        {"off-hand 655 fire", [] { Wear(kOffhandSlot, 0, 655, 9, 3); }, [] { return g().Resists[3]; }, 5},
        {"gloves 90", [] { Wear(kGlovesSlot, 0, 90, 9, 2); }, [] { return g().Stats[1]; }, 3},
        {"gloves 113", [] { Wear(kGlovesSlot, 0, 113, 9); }, [] { return g().Stats[3]; }, 2},
        {"boots 112", [] { Wear(kBootsSlot, 0, 112, 9); }, [] { return g().Stats[4]; }, 2},
        {"helmet 89", [] { Wear(kHelmetSlot, 0, 89, 3); }, [] { return g().Stats[6]; }, 4},
        {"helmet 89 cursed", [] { Wear(kHelmetSlot, 0, 89, -4); }, [] { return g().Stats[6]; }, -3},
        {"helmet 147 stealth", [] { Wear(kHelmetSlot, 0, 147, 2); }, [] { return g().Skills[10]; }, 5},
        {"helmet 147 disarm", [] { Wear(kHelmetSlot, 0, 147, 2); }, [] { return g().Skills[4]; }, 4},
        {"helmet 147 no locks", [] { Wear(kHelmetSlot, 0, 147, 2); }, [] { return g().Skills[7]; }, 0},
        {"amulet 585 level 85", [] { Wear(kAmuletSlot, 0, 585), GameState.CurrentLevelNumber = 85; },
         [] { return g().GillsTurns; }, 999},
        {"amulet 585 level 86", [] { Wear(kAmuletSlot, 0, 585), GameState.CurrentLevelNumber = 86; },
         [] { return g().GillsTurns; }, 999},
        {"amulet 585 level 87", [] { Wear(kAmuletSlot, 0, 585), GameState.CurrentLevelNumber = 87; },
         [] { return g().GillsTurns; }, 0},
        {"amulet 591 level 87", [] { Wear(kAmuletSlot, 0, 591), GameState.CurrentLevelNumber = 87; },
         [] { return int16_t(g().HeroForm * 1000 + g().FormTurns); }, 2999},
        {"amulet 591 level 85", [] { Wear(kAmuletSlot, 0, 591), GameState.CurrentLevelNumber = 85; },
         [] { return int16_t(g().HeroForm * 1000 + g().FormTurns); }, 0},
        {"armour 441", [] { Wear(kArmourSlot, 0, 441); }, [] { return g().ColdImmune; }, 1},
        {"armour 440", [] { Wear(kArmourSlot, 0, 440); }, [] { return g().ColdImmune; }, 0},
        {"acid shield", [] { GameState.AcidShield[0] = 10, GameState.AcidShield[1] = 5; },
         [] { return g().Resists[0]; }, 10},
        {"acid shield run out", [] { GameState.AcidShield[0] = 10, GameState.AcidShield[1] = 0; },
         [] { return g().Resists[0]; }, 0},
        {"fire shield", [] { GameState.FireShield[0] = 7, GameState.FireShield[1] = 1; },
         [] { return g().Resists[3]; }, 7},
        {"mind shield", [] { GameState.MindShield[0] = 6, GameState.MindShield[1] = 2; },
         [] { return g().Saves[0]; }, 10},
        {"body shield", [] { GameState.BodyShield[0] = -20, GameState.BodyShield[1] = 2; },
         [] { return g().Saves[1]; }, 0},
        {"magic shield", [] { GameState.MagicShield[0] = 4, GameState.MagicShield[1] = 3; },
         [] { return g().DamageReduction; }, 2},
    };
    GameState.BaseSkills[10] = 3;  // Stealth
    GameState.BaseSkills[4] = 2;   // Disarm Traps; Pick Locks stays 0
    const auto hero = std::make_unique<GameStateRecord>(GameState);
    for (const Case& c : cases) {
        GameState = *hero;
        c.put();
        RecalcHero();
        EXPECT_EQ(c.read(), c.expected) << c.what;
    }
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

TEST_F(DerivedStatsTest, LastingSaveGainsOutliveEveryRecalculation) {
    // Willpower 5 and Endurance 5 give base saves of 20; the stored gain of a damaged save
    // outside -99..99 counts as nothing.
    GameState.BaseStats[kWillpower] = GameState.BaseStats[kEndurance] = 5;
    const struct {
        int16_t stored;
        int16_t save;
    } cases[] = {{7, 27}, {-15, 5}, {-99, 0}, {99, 95}, {100, 20}, {-100, 20}, {30000, 20}};
    for (const auto& c : cases) {
        GameState.SaveBonus[0] = GameState.SaveBonus[1] = c.stored;
        RecalcHero();
        EXPECT_EQ((V{g().BaseSaves[0], g().Saves[0], g().BaseSaves[1], g().Saves[1]}), (V{20, c.save, 20, c.save}))
            << c.stored;
    }

    // A gain is held to -99..99 and moves the current value with it.
    GameState.SaveBonus[1] = 500;
    GainLastingSave(1, 3);
    EXPECT_EQ((V{g().SaveBonus[1], g().Saves[1]}), (V{3, 23}));
    GainLastingSave(1, 200);
    EXPECT_EQ(g().SaveBonus[1], 99);
    GainLastingSave(2, 5);  // no third save
    RecalcHero();
    EXPECT_EQ(g().Saves[1], 95);
}

}  // namespace
