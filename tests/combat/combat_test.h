// A hero alone on an open level of free access, no monsters, every window square seen, and
// helpers to place monsters, barriers and events, and to seed the generator for a wanted roll.
#pragma once

#include <functional>
#include <memory>

#include "adventure/encounters.h"
#include "combat/monster_death.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/random.h"
#include "tests/data/texts_shown.h"
#include "tests/hero/hero_test.h"
#include "tests/support/level_events.h"
#include "tests/support/surface_match.h"
#include "view/map_view.h"

class CombatTest : public HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        monsters_ = std::make_unique<std::array<MonsterRecord, kMonsterCount>>(MonsterTable);
        MonsterTable = {};
        for (int16_t& cell : GameState.MonsterGrid) cell = -1;
        for (int16_t e = 0; e < kEncounterCount; ++e) ClearMonster(e);
        for (int16_t& cell : GameState.DamageFloor) cell = -1;
        for (DamageFloorTimer& t : GameState.DamageFloorTimers) t = {-1, -1, -1};
        for (int16_t& access : CurrentLevel.AccessLayer) access = 1295;
        for (int16_t& zone : CurrentLevel.ZoneLayer) zone = 0;
        for (auto& column : SightGrid)
            for (int16_t& seen : column) seen = 1;
        GameState.HeroX = GameState.HeroY = 25;
        GameState.HitPoints = GameState.HitPointsMax = 100;
        GameState.GameSpeed = 5;
        GameState.ActiveAura = -1;
    }
    void TearDown() override {
        MonsterTable = *monsters_;
        HeroTest::TearDown();
    }

    // A monster record of that picture (0 one square, 1008 two wide, 1140 two tall, 1236 2 x 2,
    // 1356 3 x 3), named "Orc".
    static MonsterRecord& Monster(int16_t number, int16_t picture = 0) {
        MonsterRecord& m = MonsterTable[size_t(number)];
        m = {};
        SetFieldText(m.MonsterName, "Orc");
        m.MonsterPicture = picture;
        m.MonsterType = 10;
        m.MonsterHitPoints = 20;
        m.MonsterDeathItem[0] = -1;
        m.MonsterOnDeath = 1;
        return m;
    }
    // The monster anchored at (x, y) in the first free encounter, with its footprint; its index.
    static int16_t Place(int16_t monster, int16_t x, int16_t y) {
        for (int16_t e = 0; e < kEncounterCount; ++e) {
            Encounter& r = GameState.EncounterList[e];
            if (r.Kind != -1) continue;
            r.Kind = 3;
            r.Monster = monster;
            r.Hp = r.HpMax = MonsterTable[size_t(monster)].MonsterHitPoints;
            MarkFootprint(x, y, PictureSizeClass(MonsterTable[size_t(monster)].MonsterPicture), e);
            return e;
        }
        return -1;
    }
    static int16_t PlaceBarrier(int16_t x, int16_t y, int16_t hp) {
        for (int16_t e = 0; e < kEncounterCount; ++e) {
            Encounter& r = GameState.EncounterList[e];
            if (r.Kind != -1) continue;
            r.Kind = 4;
            r.Hp = r.HpMax = hp;
            GameState.MonsterGrid[x * 50 + y] = e;
            return e;
        }
        return -1;
    }
    static EventRecord& Event(int16_t x, int16_t y, int16_t type) { return PutEvent(x, y, type); }
    static int16_t At(int16_t x, int16_t y) { return GameState.MonsterGrid[x * 50 + y]; }
    static Encounter& Enc(int16_t e) { return GameState.EncounterList[e]; }
    // Seeds the generator with the first seed whose next draws make wanted() true.
    static void SeedWhere(const std::function<bool()>& wanted) {
        for (uint32_t seed = 1; seed < 100000; ++seed) {
            SeedRandom(seed);
            if (wanted()) {
                SeedRandom(seed);
                return;
            }
        }
        ADD_FAILURE() << "no seed gives the wanted rolls";
    }
    static int32_t D(int32_t sides) { return Random15() % sides + 1; }
    int CountTexts(std::string_view text) const {
        return int(std::count_if(host.texts.begin(), host.texts.end(),
                                 [&](const host::TextRecord& t) { return t.text == text; }));
    }

private:
    std::unique_ptr<std::array<MonsterRecord, kMonsterCount>> monsters_;
};
