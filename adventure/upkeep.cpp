#include "upkeep.h"

#include <algorithm>
#include <optional>

#include "adventure_loop.h"
#include "cheat_menu.h"
#include "combat/combat_report.h"
#include "combat/monster_attacks.h"
#include "combat/monster_lookup.h"
#include "combat/monster_turn.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/options.h"
#include "data/square_kinds.h"
#include "encounters.h"
#include "events/dungeon_devices.h"
#include "events/text_events.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "hero/item_use.h"
#include "hero/undead_state.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "script/flags.h"
#include "square_triggers.h"
#include "time_loop.h"
#include "view/map_view.h"
#include "view/play_screen.h"
#include "wilderness.h"

uint32_t PadClickPending = 0;
int16_t PadClickX = 0, PadClickY = 0;

namespace {

constexpr int16_t kLasting = 999;  // turns of an effect that lasts while its item is worn

// The events that act when the hero steps onto their square.
struct StepOnEvent {
    int16_t type;
    bool notWhileFlying;
    void (*run)(int16_t x, int16_t y, int16_t dx, int16_t dy);
};
constexpr StepOnEvent kStepOnEvents[] = {
    {kStepTextEvent, false,
     [](int16_t x, int16_t y, int16_t dx, int16_t dy) {
         int shown = 0;
         RunStepTextEvent(x, y, shown, dx, dy);
     }},
    {kWildernessCombatEvent, false, RunWildernessCombatEvent},
    {kAutoPilotEvent, false, [](int16_t x, int16_t y, int16_t, int16_t) { RunAutoPilotEvent(x, y); }},
    {kTrapEvent, true, [](int16_t x, int16_t y, int16_t, int16_t) { RunTrapEvent(x, y); }},
    {kPitEvent, true, [](int16_t x, int16_t y, int16_t, int16_t) { RunPitEvent(x, y); }},
    {kTriggerEvent, false, [](int16_t x, int16_t y, int16_t, int16_t) { RunTriggerEvent(x, y); }},
    {kPressurePadEvent, true, [](int16_t x, int16_t y, int16_t, int16_t) { RunPressurePadEvent(x, y); }},
    {kHideEvent, false,
     [](int16_t x, int16_t y, int16_t dx, int16_t dy) { RunHideEvent(x, y, int16_t(x - dx), int16_t(y - dy)); }},
    {kGhostTextEvent, false, [](int16_t x, int16_t y, int16_t, int16_t) { RunGhostTextEvent(x, y); }},
    {kFloorTextEvent, false, [](int16_t x, int16_t y, int16_t, int16_t) { RunFloorTextEvent(x, y); }},
    {kDmf2Event, true, [](int16_t x, int16_t y, int16_t, int16_t) { RunDmf2Event(x, y, 1); }},
    {kThinCrustEvent, true, [](int16_t x, int16_t y, int16_t, int16_t) { RunThinCrustEvent(x, y); }},
    {kActivateScriptEvent, false, [](int16_t x, int16_t y, int16_t, int16_t) { RunActivateScriptEvent(x, y); }},
    {kDanceEvent, true, [](int16_t x, int16_t y, int16_t, int16_t) { RunDanceEvent(x, y, 1); }},
    {kTimeLoopEvent, false, [](int16_t x, int16_t y, int16_t, int16_t) { RunTimeLoopEvent(x, y); }},
};

void RunStepOnEvent(int16_t x, int16_t y, int16_t dx, int16_t dy) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    for (const StepOnEvent& s : kStepOnEvents)
        if (s.type == e->Word[0]) {
            if (!s.notWhileFlying || GameState.HeroForm != kFalconForm) s.run(x, y, dx, dy);
            return;
        }
}

// Hurt: hit points lost to this turn's effects. Returns 1 when one was lost.
void LoseOne(int16_t& hp, bool& hurt) {
    hp = int16_t(hp - 1);
    hurt = true;
}

void ApplyZoneConditions(bool& hurt) {
    GameStateRecord& g = GameState;
    const int16_t x = g.HeroX, y = g.HeroY;
    if (!OnMap(x, y)) return;
    const int16_t zone = CurrentLevel.ZoneLayer[x * 50 + y];
    // A lifted zone leaves its condition words as they were.
    if (AntimagicExcused(zone)) return;
    const int16_t c = zone >= 0 && zone < 6 ? CurrentLevel.ZoneConditions[zone] : int16_t{0};
    const uint32_t radiation = g.Radiation, biohazard = g.Biohazard;
    if (c != 3) g.Radiation = 0;
    else if (!g.RadiationImmune) {
        g.Radiation = 1;
        LoseOne(g.HitPoints, hurt);
    }
    if (c != 4) g.Biohazard = 0;
    else if (!g.BiohazardImmune) {
        g.Biohazard = 1;
        if (g.HitPoints > 1) LoseOne(g.HitPoints, hurt);
    }
    // Each costs Combat: entering or leaving the zone changes the hero's values.
    if (g.Radiation != radiation || g.Biohazard != biohazard) RecalcHero();
    g.ExtremeCold = 0;
    if (c == 1 && !g.ColdImmune && g.Resists[1] < 5) {
        g.ExtremeCold = 1;
        LoseOne(g.HitPoints, hurt);
        ClampHitPoints();
    }
    g.ExtremeHeat = 0;
    if (c == 2 && g.Resists[3] < 5) {
        g.ExtremeHeat = 1;
        LoseOne(g.HitPoints, hurt);
        ClampHitPoints();
    }
    if (c == 5 && g.GillsTurns < 1) {
        g.Drowning = 1;
        LoseOne(g.HitPoints, hurt);
    } else if (c != 5) {
        g.Drowning = 0;
    }
}

bool SafeFromFall(int16_t x, int16_t y, int16_t access) {
    if (access == kMawAccess && GameState.Hidden && GameState.Skills[kStealth] >= 10) return true;
    if (BridgeOpen(EventAt(x, y))) return true;
    const int16_t boat = EncounterIndexAt(x, y);
    return boat != -1 && GameState.EncounterList[boat].Kind == kBoatKind;
}

void ShowPadClick() {
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    int16_t ox = 0, oy = 0;
    ComputeViewOrigin(ox, oy);
    // The marker's placing counts 30-pixel cells, not the view's 32.
    DrawBigText(int16_t((PadClickX - ox) * 30 + 10), int16_t((PadClickY - oy) * 30 + 5), "Click!", kBigWhite);
    Flip();
    PlaySoundEffect("Creak");
    Delay(500);
    PadClickPending = 0;
}

// 1 when the turns ran out by this count.
bool CountDown(int16_t& turns) { return turns > 0 && --turns == 0; }
// Counts down a (bonus, turns) pair; the bonus goes when the turns run out (answered 1).
bool CountDownPair(int16_t (&effect)[2], bool lastingToo = true) {
    if (effect[1] <= 0 || (!lastingToo && effect[1] == kLasting)) return false;
    if (--effect[1] != 0) return false;
    effect[0] = 0;
    return true;
}

}  // namespace

void FinishStep(int16_t dx, int16_t dy) {
    GameStateRecord& g = GameState;
    const bool stepped = dx != 0 || dy != 0;
    const bool flying = g.HeroForm == kFalconForm;
    // The square left, read before the step-on event may take the hero to another level.
    std::optional<EventRecord> left;
    if (stepped)
        if (const EventRecord* e = EventAt(g.HeroX - dx, g.HeroY - dy)) left = *e;
    if (stepped) RunStepOnEvent(g.HeroX, g.HeroY, dx, dy);
    if (left && !flying) {
        if (left->Word[0] == kPressurePadEvent) ReleasePressurePad(*left);
        if (left->Word[0] == kDanceEvent) RunDanceEvent(*left, 0);
    }

    bool hurt = false;
    CountDown(g.PortalSightTurns);
    if (g.HeroForm == 0 && g.Poisoned && g.HitPoints > 1) LoseOne(g.HitPoints, hurt);
    CountDown(g.MagicFoodTurns);
    if (g.TimeLoopCountdown > 0 && --g.TimeLoopCountdown == 0) ExplodeTimeDevice(1);
    CountDown(g.Shrunk);

    if (g.HeroIsUndead) {
        ApplyUndeadState();
    } else if (g.Energy > 0) {
        --g.Energy;
        const int16_t armour = WornItem(kArmourSlot);
        if (armour >= 435 && armour <= 439 && g.Energy > 0) --g.Energy;
    } else {
        g.Exhausted = 1;
    }

    ApplyZoneConditions(hurt);
    TickTimedEffects();
    if (!FreezeMonsters) RunMonsterTurns(0);
    SetGameFlag(0, 0);
    Delay(uint32_t(std::clamp<int16_t>(Options.GameDelay, 0, 100)) * 2);

    const int16_t x = g.HeroX, y = g.HeroY;
    if (OnMap(x, y) && g.HeroForm != kFalconForm) {
        const int16_t access = CurrentLevel.AccessLayer[x * 50 + y];
        if ((access == kChasmAccess || access == kMawAccess) && !SafeFromFall(x, y, access)) FallIntoAbyss();
    }
    if (PadClickPending) ShowPadClick();
    g.LostHpThisTurn = hurt ? 1 : 0;
    IdleCounter = 0;

    if (g.RevivalPending && g.HitPoints == 1) {
        g.RevivalPending = 0;
        g.HitPoints = g.HitPointsMax;
        g.Poisoned = 0;
        RecalcHero();
        PlaySoundEffect("Pray");
        Delay(1500);
        SetGameFlag(3055, 1);
    }
    if (CurrentLevel.WildernessLevel == 1) {
        if (g.HeroFood < 1 && g.HitPoints > 1) --g.HitPoints;
        if (--g.FoodStepCounter < 1) {
            g.FoodStepCounter = 10;
            CountDown(g.HeroFood);
        }
    }
    if (g.CarefulStep) FlushMoveKeys();
}

void TickTimedEffects() {
    GameStateRecord& g = GameState;
    // An effect that RecalcHero counts takes its bonus with it when it runs out.
    bool ended = CountDown(g.CombatBonusTurns);
    if (g.BlessTurns != kLasting) ended |= CountDown(g.BlessTurns);
    ended |= CountDownPair(g.Heroism);
    ended |= CountDownPair(g.MagicShield);
    CountDownPair(g.TrueSight, false);
    ended |= CountDown(g.InvisibleTurns);
    if (g.WaterWalkTurns != kLasting) CountDown(g.WaterWalkTurns);
    for (int16_t(*shield)[2] : {&g.AcidShield, &g.ColdShield, &g.ElectShield, &g.FireShield, &g.LifeDrain,
                                &g.MindShield, &g.BodyShield})
        ended |= CountDownPair(*shield) && shield != &g.LifeDrain;
    // A form has no lasting count: 999 turns end too.
    if (g.FormTurns > 0 && --g.FormTurns == 0) g.HeroForm = 0;
    CountDown(g.GillsTurns);
    for (DamageFloorTimer& t : g.DamageFloorTimers) {
        if (t.X == -1) continue;
        CountDown(t.Turns);
        const bool onMap = OnMap(t.X, t.Y);
        int16_t* floor = onMap ? &g.DamageFloor[t.X * 50 + t.Y] : nullptr;
        // An acid pool weakens at 19 and 9 turns: 3, then 2, then 1 point of damage.
        if ((t.Turns == 19 || t.Turns == 9) && floor && *floor != -1) ++*floor;
        if (t.Turns < 1) {
            if (floor) *floor = -1;
            t = {-1, -1, -1};
        }
    }
    if (ended) RecalcHero();
}
