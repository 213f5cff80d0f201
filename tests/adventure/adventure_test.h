// Play on a plain level: level 1 of floor 1327, the hero with nothing at (25, 25) with 20 hit
// points and 50 energy, no encounters, every window square seen, no pauses. Monsters 1..4 are
// of the four footprint classes 0, 1, 6 and 9 with 10 hit points and melee skill 5.
#pragma once

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "adventure/encounters.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "kit/events/level_records.h"
#include "tests/data/texts_shown.h"
#include "tests/hero/hero_test.h"
#include "view/map_view.h"

class AdventureTest : public HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        OpenDisplay();
        std::filesystem::create_directories("Mod/LevelData");
        std::filesystem::create_directories("Mod/SaveGames");
        NewLevel(1327);
        GameState.CurrentLevelNumber = 1;
        GameState.CurrentTune = -1;
        GameState.HeroX = GameState.HeroY = 25;
        GameState.HitPoints = GameState.HitPointsMax = 20;
        GameState.BaseStats[2] = 4;  // Endurance of that maximum, when the hero is worked out
        GameState.Energy = GameState.EnergyMax = 50;
        GameState.TimeLoopCountdown = -1;
        PopulateEncounters();
        for (auto& column : SightGrid) std::fill(std::begin(column), std::end(column), int16_t{1});
        const int16_t pictures[] = {0, 1008, 1236, 1356};
        for (int16_t m = 1; m <= 4; ++m) Monster(m, pictures[m - 1], 10, 5);
    }

    static MonsterRecord& Monster(int16_t m, int16_t picture, int16_t hp, int16_t melee, const char* name = "Orc") {
        MonsterRecord& r = MonsterTable[size_t(m)];
        r.MonsterPicture = picture;
        r.MonsterHitPoints = hp;
        r.MonsterMeleeSkill = melee;
        SetFieldText(r.MonsterName, name);
        return r;
    }
    // An event of that type on (x, y) with the words given as (word, value).
    static EventRecord& Put(int16_t x, int16_t y, int16_t type, std::initializer_list<std::pair<int, int16_t>> words = {}) {
        CreateEvent(x, y, type);
        EventRecord& e = *EventAt(x, y);
        for (auto [n, v] : words) e.Word[n] = v;
        return e;
    }
    static int16_t& Access(int x, int y) { return CurrentLevel.AccessLayer[x * 50 + y]; }
    static int16_t GridAt(int x, int y) { return GameState.MonsterGrid[x * 50 + y]; }
    static int CountSquaresOf(int16_t e) {
        return int(std::count(std::begin(GameState.MonsterGrid), std::end(GameState.MonsterGrid), e));
    }
    static int EncounterCount() {
        return int(std::count_if(std::begin(GameState.EncounterList), std::end(GameState.EncounterList),
                                 [](const Encounter& e) { return e.Kind != -1; }));
    }
    size_t Shown(std::string_view text) const {
        return size_t(std::count_if(host.texts.begin(), host.texts.end(),
                                    [&](const host::TextRecord& t) { return t.text == text; }));
    }
    bool Played(std::string_view effect) const {
        return std::find(host.effects.begin(), host.effects.end(), effect) != host.effects.end();
    }
};
