// The world's turn after a hero action: step-on and leave events with the Falcon's exemptions,
// counters, energy, zone conditions, timed effects, damaging floors, falls, the pad's click,
// the revival charm and wilderness hunger.
#include <tuple>

#include "adventure/adventure_loop.h"
#include "adventure/upkeep.h"
#include "data/square_kinds.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "platform/fonts.h"
#include "tests/adventure/adventure_test.h"

namespace {

class UpkeepTest : public AdventureTest {
protected:
    // The hero has just stepped right onto (25, 25).
    void StepOn() {
        Run([] { FinishStep(1, 0); });
    }
    static int16_t& Zone(int x, int y) { return CurrentLevel.ZoneLayer[x * 50 + y]; }
};

TEST_F(UpkeepTest, StepEventsRunOnSteppingAndTheFalconFliesOverTraps) {
    // A floor text sets flag 40 to 5 (every form); a DMF2 square toggles flag 41 (not flying).
    const struct {
        int16_t type, flag;
        int16_t form, dx;
        int16_t expected;
    } cases[] = {
        {kFloorTextEvent, 40, 0, 1, 5}, {kFloorTextEvent, 40, 2, 1, 5}, {kFloorTextEvent, 40, 0, 0, 0},
        {kDmf2Event, 41, 0, 1, 1},      {kDmf2Event, 41, 2, 1, -1},     {kDmf2Event, 41, 0, 0, -1},
    };
    for (const auto& c : cases) {
        Put(25, 25, c.type, {{1, c.flag}, {3, 5}});
        SetGameFlag(40, 0);
        SetGameFlag(41, -1);
        GameState.HeroForm = c.form;
        GameState.FormTurns = 50;
        Run([&] { FinishStep(c.dx, 0); });
        EXPECT_EQ(GameFlag(c.flag), c.expected) << c.type << " form " << c.form << " dx " << c.dx;
    }
}

TEST_F(UpkeepTest, TheSquareLeftIsReleased) {
    // A pad counts its weights: a pushed object already on it and the hero make 2.
    Put(25, 25, kPressurePadEvent, {{1, 60}});
    SetGameFlag(60, 1);
    StepOn();
    EXPECT_EQ(GameFlag(60), 2);
    EXPECT_EQ(Shown("Click!"), 1u);
    EXPECT_TRUE(TextShownAt(host, "Click!", 190, 185, kBigWhite));  // 30-pixel cells from the view's corner
    GameState.HeroX = 26;
    StepOn();
    EXPECT_EQ(GameFlag(60), 1);

    // A Falcon neither presses nor releases.
    GameState.HeroForm = 2;
    GameState.FormTurns = 50;
    GameState.HeroX = 25;
    StepOn();
    GameState.HeroX = 26;
    StepOn();
    EXPECT_EQ(GameFlag(60), 1);
    EXPECT_EQ(Shown("Click!"), 1u);
}

TEST_F(UpkeepTest, PoisonSparesTheLastPointAndRadiationDoesNot) {
    const struct {
        int16_t hp;
        uint32_t poisoned;
        int16_t condition;
        int16_t after;
        uint32_t hurt;
    } cases[] = {
        {5, 1, 0, 4, 1}, {1, 1, 0, 1, 0}, {1, 0, 3, 0, 1}, {1, 0, 4, 1, 0},
        {2, 0, 4, 1, 1}, {1, 0, 1, 0, 1}, {3, 0, 2, 2, 1}, {3, 0, 5, 2, 1},
    };
    for (const auto& c : cases) {
        GameState.HitPoints = c.hp;
        GameState.Poisoned = c.poisoned;
        CurrentLevel.ZoneConditions[0] = c.condition;
        Run([] { FinishStep(0, 0); });
        EXPECT_EQ(GameState.HitPoints, c.after) << c.hp << " condition " << c.condition;
        EXPECT_EQ(GameState.LostHpThisTurn, c.hurt) << c.hp << " condition " << c.condition;
    }
    // Resistance of 5 keeps off cold and heat; gills keep off the water.
    GameState.HitPoints = 10;
    GameState.Resists[1] = GameState.Resists[3] = 5;
    GameState.GillsTurns = 5;
    for (int16_t c : {1, 2, 5}) {
        CurrentLevel.ZoneConditions[0] = c;
        Run([] { FinishStep(0, 0); });
    }
    EXPECT_EQ(GameState.HitPoints, 10);
    EXPECT_EQ(std::tuple(GameState.ExtremeCold, GameState.ExtremeHeat, GameState.Drowning), std::tuple(0u, 0u, 0u));
}

TEST_F(UpkeepTest, ALiftedZoneKeepsItsConditionWords) {
    Zone(25, 25) = 3;
    CurrentLevel.ZoneConditions[3] = 3;
    CurrentLevel.ZoneConditionOffFlag[0] = 70;
    CurrentLevel.ZoneConditionOffValue[0] = 1;
    Run([] { FinishStep(0, 0); });
    EXPECT_EQ(std::tuple(GameState.Radiation, GameState.HitPoints), std::tuple(1u, 19));
    SetGameFlag(70, 1);
    Run([] { FinishStep(0, 0); });
    EXPECT_EQ(std::tuple(GameState.Radiation, GameState.HitPoints), std::tuple(1u, 19));
    Zone(25, 25) = 0;
    Run([] { FinishStep(0, 0); });
    EXPECT_EQ(GameState.Radiation, 0u);
}

TEST_F(UpkeepTest, EnergyAndHeavyArmour) {
    const struct {
        int16_t energy, armour;
        int16_t after;
        uint32_t exhausted;
    } cases[] = {{10, -1, 9, 0}, {10, 435, 8, 0}, {10, 439, 8, 0}, {10, 440, 9, 0}, {1, 437, 0, 0}, {0, -1, 0, 1}};
    for (const auto& c : cases) {
        GameState.Energy = c.energy;
        GameState.Exhausted = 0;
        if (c.armour >= 0) Wear(kArmourSlot, 1, c.armour);
        else GameState.EquipSlots[kArmourSlot] = -1;
        Run([] { FinishStep(0, 0); });
        EXPECT_EQ(GameState.Energy, c.after) << c.energy << " armour " << c.armour;
        EXPECT_EQ(GameState.Exhausted, c.exhausted);
    }
}

TEST_F(UpkeepTest, AnUndeadHeroSpendsNoEnergyAndShedsPoison) {
    GameState.HeroIsUndead = 1;
    GameState.Energy = 0;
    GameState.Poisoned = GameState.Exhausted = 1;
    Run([] { FinishStep(0, 0); });
    EXPECT_EQ(std::tuple(GameState.Energy, GameState.Exhausted, GameState.Poisoned), std::tuple(4000, 0u, 0u));
    EXPECT_EQ(GameState.HitPoints, 19);  // the poison bit once before it was shed
    EXPECT_EQ(GameState.Feebleminded, 1u);
}

TEST_F(UpkeepTest, TimedEffectsCountDown) {
    GameStateRecord& g = GameState;
    g.Stats[kCombat] = 12;
    g.BaseStats[kCombat] = 7;  // the Combat worked out when the bonus ends
    Wear(kAmuletSlot, 5, 92);  // the lasting bless and water walk stay with their items
    Wear(kBootsSlot, 6, 91);
    g.CombatBonusTurns = 1;
    g.BlessTurns = 999;
    g.Heroism[0] = 3;
    g.Heroism[1] = 1;
    g.TrueSight[0] = 2;
    g.TrueSight[1] = 999;
    g.WaterWalkTurns = 999;
    g.FireShield[0] = 4;
    g.FireShield[1] = 2;
    g.HeroForm = 4;
    g.FormTurns = 1;
    g.InvisibleTurns = 0;
    TickTimedEffects();
    EXPECT_EQ(std::tuple(g.Stats[kCombat], g.CombatBonusTurns, g.BlessTurns), std::tuple(7, 0, 999));
    EXPECT_EQ(std::tuple(g.Heroism[0], g.Heroism[1], g.TrueSight[0], g.TrueSight[1]), std::tuple(0, 0, 2, 999));
    EXPECT_EQ(std::tuple(g.WaterWalkTurns, g.FireShield[0], g.FireShield[1]), std::tuple(999, 4, 1));
    EXPECT_EQ(std::tuple(g.HeroForm, g.FormTurns, g.InvisibleTurns), std::tuple(0, 0, 0));
    g.HeroForm = 4;
    g.FormTurns = 999;  // a form has no lasting count
    TickTimedEffects();
    EXPECT_EQ(g.FormTurns, 998);
}

TEST_F(UpkeepTest, AnAcidPoolWeakensAtNineteenAndNine) {
    GameState.DamageFloor[5 * 50 + 6] = 1165;
    GameState.DamageFloorTimers[3] = {5, 6, 20};
    const int16_t codes[] = {1166, 1166, 1166, 1166, 1166, 1166, 1166, 1166, 1166, 1166, 1167};
    for (int16_t code : codes) {
        TickTimedEffects();
        EXPECT_EQ(GameState.DamageFloor[5 * 50 + 6], code);
    }
    for (int n = 0; n < 8; ++n) TickTimedEffects();
    EXPECT_EQ(GameState.DamageFloorTimers[3].Turns, 1);
    TickTimedEffects();
    EXPECT_EQ(GameState.DamageFloor[5 * 50 + 6], -1);
    EXPECT_EQ(std::tuple(GameState.DamageFloorTimers[3].X, GameState.DamageFloorTimers[3].Turns), std::tuple(-1, -1));
}

TEST_F(UpkeepTest, FallsIntoChasmsAndMaws) {
    const struct {
        int16_t access;
        uint32_t hidden;
        int16_t stealth, form;
        int16_t bridge;  // -1 none, else its type, with the status flag (400) unset
        bool boat;
        const char* fall;
    } cases[] = {
        {1292, 0, 0, 0, -1, false, "You plunge into the abyss."},
        {1959, 0, 0, 0, -1, false, "You plunge into the maw!"},
        {1959, 1, 10, 0, -1, false, nullptr},
        {1292, 1, 10, 0, -1, false, "You plunge into the abyss."},
        {1292, 0, 0, 2, -1, false, nullptr},
        {1292, 0, 0, 0, 0, false, nullptr},
        {1292, 0, 0, 0, 1, false, "You plunge into the abyss."},  // an ice bridge not yet frozen
        {1292, 0, 0, 0, -1, true, nullptr},
    };
    for (const auto& c : cases) {
        NewLevel(1327);
        PopulateEncounters();
        Access(25, 25) = c.access;
        GameState.Hidden = c.hidden;
        GameState.Skills[kStealth] = c.stealth;
        GameState.HeroForm = c.form;
        GameState.FormTurns = 50;
        if (c.bridge != -1) Put(25, 25, kBridgeEvent, {{1, c.bridge}, {6, 400}});
        if (c.boat) AddPushEncounter(2, 1181, 25, 25);
        QuitAdventure = 0;
        host.texts.clear();
        if (c.fall) TapKey(13);
        Run([] { FinishStep(0, 0); });
        EXPECT_EQ(QuitAdventure, c.fall ? 1u : 0u) << c.access;
        if (c.fall) {
            EXPECT_EQ(Shown(c.fall), 1u);
            EXPECT_EQ(Shown(" Your adventure is over!"), 1u);
        }
    }
}

TEST_F(UpkeepTest, TheRevivalCharmAndWildernessHunger) {
    GameState.RevivalPending = 1;
    GameState.Poisoned = 1;
    GameState.HitPoints = 2;  // poison takes one: exactly 1 is left
    Run([] { FinishStep(0, 0); });
    EXPECT_EQ(std::tuple(GameState.HitPoints, GameState.RevivalPending, GameState.Poisoned), std::tuple(20, 0u, 0u));
    EXPECT_EQ(GameFlag(3055), 1);
    EXPECT_TRUE(Played("Pray"));
    GameState.RevivalPending = 1;
    GameState.HitPoints = 3;
    Run([] { FinishStep(0, 0); });
    EXPECT_EQ(std::tuple(GameState.HitPoints, GameState.RevivalPending), std::tuple(3, 1u));

    CurrentLevel.WildernessLevel = 1;
    GameState.HeroFood = 1;
    GameState.FoodStepCounter = 10;
    for (int n = 0; n < 10; ++n) Run([] { FinishStep(1, 0); });
    EXPECT_EQ(std::tuple(GameState.HeroFood, GameState.FoodStepCounter, GameState.HitPoints), std::tuple(0, 10, 3));
    Run([] { FinishStep(1, 0); });
    EXPECT_EQ(std::tuple(GameState.HitPoints, GameState.LostHpThisTurn), std::tuple(2, 0u));  // hunger is no hurt
}

}  // namespace
