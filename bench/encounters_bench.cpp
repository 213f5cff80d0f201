// Level entry and a group spawn on a full level: an event on every square, 50 of them
// MONSTER EVENTs of one group. Targets: each at most 2 full-frame copies ("full_frames").
#include <benchmark/benchmark.h>

#include "adventure/encounters.h"
#include "bench/full_frames.h"
#include "combat/monster_death.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "kit/events/level_records.h"

namespace {

constexpr int16_t kGroup = 7;

// Text signs everywhere but on every 50th square, where a monster of group 7 waits.
struct FullLevel {
    FullLevel() {
        NewLevel(1327);
        MonsterTable[1] = {};
        MonsterTable[1].MonsterHitPoints = 10;
        SetGameFlag(kGroup, 1);
        for (int16_t x = 0; x < 50; ++x)
            for (int16_t y = 0; y < 50; ++y) {
                const bool monster = (x * 50 + y) % 50 == 25;
                CreateEvent(x, y, monster ? 1247 : 1240);
                if (!monster) continue;
                EventRecord& e = *EventAt(x, y);
                e.Word[1] = kGroup;  // condition: flag 7 > 0
                e.Word[4] = 1;
                e.Word[5] = int16_t(1000 + x);  // status flag: alive
                SetGameFlag(e.Word[5], -1);
            }
    }
};

void PopulateFullLevel(benchmark::State& state) {
    static FullLevel level;
    ReportFrames(state, [] { PopulateEncounters(); });
}
BENCHMARK(PopulateFullLevel);

void SpawnGroupOnFullLevel(benchmark::State& state) {
    static FullLevel level;
    ReportFrames(state, [] {
        for (int16_t& cell : GameState.MonsterGrid) cell = -1;
        for (int16_t e = 0; e < kEncounterCount; ++e) ClearMonster(e);
        SpawnMonstersOfGroup(kGroup);
    });
}
BENCHMARK(SpawnGroupOnFullLevel);

}  // namespace
