// The play screen composed over a full view, against one opaque full-screen copy of the slate
// (the target: at most 4 of them), and the sight rays of a whole window.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "adventure/cheat_menu.h"
#include "adventure/encounters.h"
#include "bench/bench_stage.h"
#include "combat/monster_death.h"
#include "data/game_state.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "hero/item_instances.h"
#include "platform/display.h"
#include "platform/source_rects.h"
#include "view/map_view.h"
#include "view/play_screen.h"
#include "view/sight.h"

namespace {

// Monster m with picture as encounter e on (x, y), with a bar and every mark.
void PlaceMonster(int16_t e, int16_t m, int16_t picture, int16_t x, int16_t y) {
    MonsterTable[size_t(m)].MonsterPicture = picture;
    Encounter& r = GameState.EncounterList[e];
    r.Kind = 3;
    r.Monster = m;
    r.Hp = 7;
    r.HpMax = 10;
    r.AttackPenalty = r.WeakenPercent = r.Silenced = r.DefencePenalty = r.Paralysed = 1;
    MarkFootprint(x, y, PictureSizeClass(picture), e);
}

// Every cell seen with both layers, an event picture on every third square, monsters of every
// size, NPCs, the hero with shield and aura, every enhancement and status icon, a monitored flag.
void BuildFullView() {
    LevelRecord& level = CurrentLevel;
    for (int s = 0; s < kSquareCount; ++s) {
        level.BottomLayer[s] = 5;
        level.TopLayer[s] = 40;
        level.AccessLayer[s] = 1295;
        level.ZoneLayer[s] = 0;
    }
    GameStateRecord& g = GameState;
    g.HeroX = g.HeroY = 20;
    g.HeroLevel = 5;
    g.HeroXp = 1700;
    g.HitPoints = g.HitPointsMax = 30;
    g.Energy = g.EnergyMax = 20;
    g.Beacon[0] = -1;
    std::fill(std::begin(g.MonsterGrid), std::end(g.MonsterGrid), int16_t{-1});
    std::fill(std::begin(g.DamageFloor), std::end(g.DamageFloor), int16_t{-1});
    for (int16_t e = 0; e < 50; ++e) ClearMonster(e);
    PlaceMonster(0, 1, 100, 15, 15);
    PlaceMonster(1, 2, 1008, 17, 15);
    PlaceMonster(2, 3, 1140, 20, 15);
    PlaceMonster(3, 4, 1236, 22, 15);
    PlaceMonster(4, 5, 1356, 15, 22);
    PlaceMonster(5, 6, 1236, 25, 24);
    for (int x = 14; x <= 26; ++x)
        for (int y = 14; y <= 26; ++y) {
            const int s = x * 50 + y;
            if (s % 3 || g.MonsterGrid[s] != -1 || (x == 20 && y == 20)) continue;
            auto& event = EventGrid[size_t(s)];
            event = std::make_unique<EventRecord>();
            const bool npc = (x + y) % 7 == 0;
            event->Word[0] = npc ? 1246 : 1227;
            event->Word[npc ? 5 : 8] = npc ? 400 : 50;
            event->Word[6] = -1;
        }
    ItemTable[405].ItemType = 4;
    g.ItemInstances[0] = {405, 0, 0, 0, 0};
    g.EquipSlots[kOffhandSlot] = 0;
    g.ActiveAura = 1;
    g.SidePanelMode = 1;
    g.BlessTurns = g.Heroism[1] = g.CombatBonusTurns = g.MagicShield[1] = g.TrueSight[1] = 5;
    g.InvisibleTurns = g.WaterWalkTurns = g.AcidShield[1] = g.ColdShield[1] = g.ElectShield[1] = 5;
    g.FireShield[1] = g.MindShield[1] = g.BodyShield[1] = g.GillsTurns = g.LifeDrain[1] = 5;
    g.Hidden = 1;
    g.Exhausted = g.Poisoned = g.Diseased = g.Drained = g.Cursed = g.Feebleminded = 1;
    g.Biohazard = g.Radiation = g.Aged = g.Clutz = g.ExtremeHeat = g.ExtremeCold = 1;
    g.HeroIsUndead = g.Drowning = 1;
    MonsterTable[1].MonsterFearInducing = 1;
    MonitoredFlag = 5;
}

struct Setup : BenchStage {
    Setup() : BenchStage("vexmoor-bench") {
        BuildFullView();
    }
};

Setup& Shared() {
    static Setup setup;
    return setup;
}

void SlateCopy(benchmark::State& state) {
    Shared();
    for (auto _ : state) BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
}
BENCHMARK(SlateCopy);

void FullPlayScreen(benchmark::State& state) {
    Shared();
    for (auto _ : state) DrawPlayScreen(1, 1, 0, -1, -1, 0);
}
BENCHMARK(FullPlayScreen);

void SightOfAWholeWindow(benchmark::State& state) {
    Shared();
    int16_t ox, oy;
    ComputeViewOrigin(ox, oy);
    for (auto _ : state) {
        std::fill(&SightGrid[0][0], &SightGrid[0][0] + 169, int16_t{0});
        UpdateSight(ox, oy);
    }
}
BENCHMARK(SightOfAWholeWindow);

}  // namespace
