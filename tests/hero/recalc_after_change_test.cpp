// Every change of what the hero's values are worked out from leaves him as a fresh
// recalculation would: no bonus outlives its cause and no maximum is left behind.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "adventure/push_and_travel.h"
#include "adventure/rest.h"
#include "adventure/square_triggers.h"
#include "adventure/upkeep.h"
#include "combat/ranged_attack.h"
#include "data/square_kinds.h"
#include "events/chests_and_traps.h"
#include "events/temple.h"
#include "hero/derived_stats.h"
#include "hero/equipment.h"
#include "hero/hero_screen.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "kit/script/script_slots.h"
#include "script/script_interpreter.h"
#include "tests/adventure/adventure_test.h"

namespace {

class RecalcAfterChangeTest : public AdventureTest {
protected:
    // The values RecalcHero writes, in one list.
    static std::vector<int32_t> Derived(const GameStateRecord& g) {
        std::vector<int32_t> v(std::begin(g.Stats), std::end(g.Stats));
        v.insert(v.end(), std::begin(g.Skills), std::end(g.Skills));
        v.insert(v.end(), std::begin(g.Resists), std::end(g.Resists));
        v.insert(v.end(), std::begin(g.BaseSaves), std::end(g.BaseSaves));
        v.insert(v.end(), std::begin(g.Saves), std::end(g.Saves));
        v.insert(v.end(), {g.EnergyMax, g.Energy, g.HitPointsMax, g.HitPoints, g.DamageReduction, g.BlessTurns});
        v.insert(v.end(), {int32_t(g.PetrifyImmune), int32_t(g.ParalysisImmune), int32_t(g.PoisonImmune),
                           int32_t(g.ColdImmune)});
        return v;
    }
    // A one-line script in slot 0 of the level, run on the hero's square.
    void RunScriptLine(int16_t code, std::array<int16_t, 5> ops) {
        ScriptTable[0].reset();
        CreateScript(0);
        ScriptTable[0]->Record.Code[0] = code;
        std::copy(ops.begin(), ops.end(), ScriptTable[0]->Record.Operand[0]);
        Run([] { RunScript(0, 25, 25); });
    }
    // On the backpack page: the first cell's item and the amulet's trade places, by the cursor.
    void ChangeAmulet() {
        for (auto [x, y] : {std::pair{356, 123}, std::pair{90, 100}, std::pair{356, 123}}) ClickAt(x, y);
        TapKey(27);
        Run([] { RunHeroScreen(2); });
    }
};

TEST_F(RecalcAfterChangeTest, EveryChangeLeavesTheHeroAsAFreshRecalculation) {
    struct Case {
        const char* name;
        std::function<void(GameStateRecord&)> setUp;  // before the hero is worked out
        std::function<void()> change;                 // through its own entry point
    };
    Item(8, 5).ItemArmourBonus = 4;  // a helmet
    Item(92, kAmuletType);            // the amulet of blessing
    Item(93, 10);                     // a ring of hit points
    Item(16, 10);                     // a ring of the Body save
    Item(358, 3);                     // a bow and its arrows
    Item(251, 4);
    const Case cases[] = {
        {"a night ends a blessing", [](GameStateRecord& g) { g.BlessTurns = 10; }, [] { RestRecover(1, 0); }},
        {"a night keeps the blessing of a worn amulet", [](GameStateRecord&) { Wear(kAmuletSlot, 5, 92); },
         [] { RestRecover(1, 0); }},
        {"the amulet of blessing put on",
         [](GameStateRecord& g) { g.ItemInstances[5] = {92, 0, 0, 0, 0}, g.Backpack[0][0] = 5; },
         [this] { ChangeAmulet(); }},
        {"the amulet of blessing taken off", [](GameStateRecord&) { Wear(kAmuletSlot, 5, 92); },
         [this] { ChangeAmulet(); }},
        {"a blessing runs out", [](GameStateRecord& g) { g.BlessTurns = 1; }, [] { TickTimedEffects(); }},
        {"a fire shield runs out with a turn", [](GameStateRecord& g) { g.FireShield[0] = 5, g.FireShield[1] = 1; },
         [] { FinishStep(0, 0); }},
        {"a turn out of the radiation", [](GameStateRecord& g) { g.Radiation = 1; }, [] { FinishStep(0, 0); }},
        {"the undead shed the drain", [](GameStateRecord& g) { g.HeroIsUndead = g.Drained = 1; },
         [] { FinishStep(0, 0); }},
        {"the revival charm cures the poison",
         [](GameStateRecord& g) { g.RevivalPending = g.Poisoned = 1, g.HitPoints = 1; }, [] { FinishStep(0, 0); }},
        {"spotted at a stealth checkpoint",
         [](GameStateRecord& g) {
             g.Hidden = 1;
             Put(30, 30, kHideEvent, {{1, 9}, {2, 1}, {3, 30}, {4, 30}});
         },
         [this] {
             TapKey('L');
             Run([] { RunHideEvent(30, 30, 29, 30); });
         }},
        {"a push ends the hiding",
         [](GameStateRecord& g) {
             g.Hidden = 1;
             AddMonsterEncounter(1, 26, 25, 0, 0);
         },
         [this] {
             TapKey(39);
             Run(PushMonster);
         }},
        {"a shot from hiding",
         [](GameStateRecord& g) {
             g.Hidden = 1;
             Wear(kBowSlot, 1, 358);
             Wear(kAmmunitionSlot, 2, 251, 0, 20);
             AddMonsterEncounter(1, 28, 25, 0, 0);
         },
         [this] {
             TapKey('S');
             Run(RunRangedCombat);
         }},
        {"a poison dart", [](GameStateRecord&) { Wear(kRing1Slot, 6, 16, -100); },  // no Body save
         [] { SpringTrapOnHero(kPoisonDartTrap, 1, 1, 0, 99); }},
        {"a cursed helmet found out", [](GameStateRecord&) { Wear(kHelmetSlot, 7, 8, -1); },
         [this] {
             ClickAt(215, 110);
             TapKey(13);
             TapKey(27);
             Run([] { RunHeroScreen(0); });
         }},
        {"a worn ring deleted", [](GameStateRecord&) { Wear(kRing2Slot, 9, 93, 20); }, [] { DeleteInstance(9); }},
        {"the temple restores the body", [](GameStateRecord& g) { g.Drained = 1, g.HeroGold = 500; },
         [this] {
             TapKey('Y');
             Run([] { RunTempleRestoreBody(200, true); });
         }},
        {"the temple blesses", [](GameStateRecord& g) { g.HeroGold = 500; },
         [this] {
             TapKey('Y');
             Run([] { RunTempleBlessing(100); });
         }},
        {"GST raises Endurance", [](GameStateRecord&) {}, [this] { RunScriptLine(28, {2, 3}); }},
        {"GSK past the top of a skill", [](GameStateRecord& g) { g.BaseSkills[kStealth] = 20; },
         [this] { RunScriptLine(29, {kStealth, 1}); }},
        {"HEA removes the afflictions", [](GameStateRecord& g) { g.Drained = g.Aged = 1; },
         [this] { RunScriptLine(37, {2}); }},
        {"HEA cures and heals", [](GameStateRecord& g) { g.Drained = 1, g.HitPoints = 1; },
         [this] { RunScriptLine(37, {3}); }},
    };
    const auto start = std::make_unique<GameStateRecord>(GameState);
    for (const Case& c : cases) {
        GameState = *start;
        PopulateEncounters();
        GameStateRecord& g = GameState;
        const int16_t stats[7] = {5, 6, 7, 8, 9, 10, 11};
        std::copy(std::begin(stats), std::end(stats), g.BaseStats);
        g.HeroLevel = 3;
        g.BaseSkills[kStealth] = 4;
        g.HitPoints = g.Energy = 999;
        c.setUp(g);
        RecalcHero();
        c.change();
        const std::vector<int32_t> after = Derived(g);
        RecalcHero();
        EXPECT_EQ(after, Derived(g)) << c.name;
    }
}

}  // namespace
