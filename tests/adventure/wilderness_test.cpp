// Wilderness battles: the roll, the announcement, the arena (ring, roads, objects, entry
// sides, monsters), fleeing, victory and the return.
#include <tuple>
#include <utility>

#include "adventure/hero_step.h"
#include "adventure/wilderness.h"
#include "data/square_kinds.h"
#include "data/monster_records.h"
#include "data/text_field.h"
#include "hero/derived_stats.h"
#include "kit/level/auto_access.h"
#include "platform/random.h"
#include "tests/adventure/adventure_test.h"

namespace {

constexpr int16_t kArena = 130;

class WildernessTest : public AdventureTest {
protected:
    void SetUp() override {
        AdventureTest::SetUp();
        // Level 1: a battle square at (26, 25) on road tile 1991: 2..3 of monster 1 (or none
        // of 2 and 3), ground 1327, objects 275, 640, 641, flee chance 20, tune 4.
        CurrentLevel.TopLayer[26 * 50 + 25] = 1991;
        Put(26, 25, kWildernessCombatEvent,
            {{4, 100}, {5, 1327}, {6, 275}, {7, 640}, {8, 641}, {9, 1}, {10, -1}, {11, -1}, {12, 2}, {15, 3},
             {19, 20}, {20, 70}, {21, 0}, {22, 5}, {23, 71}, {24, 1}, {25, 2}, {26, 4}});
        ASSERT_EQ(SaveLevel(1, 0), 1u);
        GameState.Stats[kAgility] = 12;
        Options.MusicVolume = 2;
    }
    // The hero steps onto the battle square and presses Combat.
    void StartBattle() {
        GameState.HeroX = 26;
        TapKey('C');
        Run([] { RunWildernessCombatEvent(26, 25, 1, 0); });
    }
    static int16_t Top(int x, int y) { return CurrentLevel.TopLayer[x * 50 + y]; }
};

TEST_F(WildernessTest, ABattleBeginsOnTheArena) {
    StartBattle();
    EXPECT_EQ(Shown("You have encountered"), 1u);
    const int16_t count = WildCombatMonsters;
    EXPECT_TRUE(count == 2 || count == 3) << count;
    EXPECT_EQ(Shown(std::to_string(count) + " Orcs."), 1u);
    EXPECT_EQ(EncounterCount(), count);
    EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY), std::tuple(kArena, 20, 25));
    EXPECT_EQ(std::tuple(BattleReturnPlace[0], BattleReturnPlace[1], BattleReturnPlace[2]), std::tuple(1, 26, 25));
    EXPECT_EQ(std::tuple(VictoryFlagChange[0], VictoryFlagChange[2], FlightFlagChange[0]), std::tuple(70, 5, 71));
    EXPECT_EQ(FleeChance, 32);  // 20 and Agility 12
    EXPECT_EQ(GameState.CurrentTune, 4);
    EXPECT_EQ(EventAt(26, 25), nullptr);
    EXPECT_EQ(FieldText(CurrentLevel.ZoneNames[0]), "Wilderness Encounter!");
    // The zone the hero stands in, whose name the name bar shows, bears it too.
    EXPECT_EQ(FieldText(CurrentLevel.ZoneNames[CurrentLevel.ZoneLayer[20 * 50 + 25]]), "Wilderness Encounter!");
    EXPECT_EQ(std::count(std::begin(CurrentLevel.ZoneLayer), std::end(CurrentLevel.ZoneLayer), 5), 2500);
    for (int i = 19; i <= 30; ++i)
        for (auto [x, y] : {std::pair{i, 19}, {i, 31}, {19, i}, {31, i}}) EXPECT_EQ(Access(x, y), kBorderAccess);
    for (int x = 22; x <= 26; ++x)
        for (int y = 22; y <= 26; ++y)
            if (GridAt(x, y) != -1) {
                EXPECT_EQ(GameState.EncounterList[GridAt(x, y)].Facing, 3);
            }
    // The road of the map square goes on: narrow arms both ways, the crossing in the middle.
    EXPECT_EQ(std::tuple(Top(25, 19), Top(25, 32), Top(19, 25), Top(32, 25), Top(25, 25)),
              std::tuple(924, 924, 944, 944, 1));
    EXPECT_EQ(Access(25, 25), kFreeAccess);
}

// The announcement names more than one monster in English: "Grey Wolfs" is no plural.
TEST_F(WildernessTest, TheAnnouncementSaysThePlural) {
    const std::pair<const char*, const char*> cases[] = {
        {"Orc", "2 Orcs."},         {"Grey Wolf", "2 Grey Wolves."}, {"Dwarf", "2 Dwarves."},
        {"Fly", "2 Flies."},        {"Donkey", "2 Donkeys."},        {"Lynx", "2 Lynxes."},
        {"Witch", "2 Witches."},    {"Lizardman", "2 Lizardmen."},   {"Cutthroat", "2 Cutthroats."},
        {"Werewolf", "2 Werewolves."}, {"Boss", "2 Bosses."},
    };
    for (const auto& [name, line] : cases) {
        SetFieldText(MonsterTable[1].MonsterName, name);
        EXPECT_EQ(EncounterLine(1, 2), line);
    }
    EXPECT_EQ(EncounterLine(1, 1), "1 Boss.");
}

TEST_F(WildernessTest, NoMonsterNoBattle) {
    for (int w : {9, 10, 11}) EventAt(26, 25)->Word[w] = -1;
    Run([] { RunWildernessCombatEvent(26, 25, 1, 0); });
    EXPECT_EQ(Shown("You have encountered"), 0u);
    EXPECT_EQ(WildCombatMonsters, -1);
    EXPECT_EQ(GameState.CurrentLevelNumber, 1);
}

TEST_F(WildernessTest, WideRoadsAndOtherGround) {
    const struct {
        int16_t terrain;
        int16_t north, south, east, west;
    } cases[] = {
        {2012, 1895, 1895, 0, 0}, {2015, 0, 1895, 1895, 0}, {2017, 1895, 1895, 1895, 1895}, {1327, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        NewLevel(1327);
        Put(26, 25, kWildernessCombatEvent, {{5, 1327}});
        BuildWildernessArena(26, 25, c.terrain);
        // Rocks may lie anywhere but on a road; a road arm is three squares wide.
        const auto road = [](int x, int y) { return Top(x, y) == 1895 ? int16_t{1895} : int16_t{0}; };
        EXPECT_EQ(road(24, 21) & road(26, 21) & road(25, 20), c.north) << c.terrain;
        EXPECT_EQ(road(24, 30) & road(26, 30) & road(25, 28), c.south) << c.terrain;
        EXPECT_EQ(road(28, 24) & road(28, 26), c.east) << c.terrain;
        EXPECT_EQ(road(21, 24) & road(21, 26), c.west) << c.terrain;
        const bool anyRoad = c.north || c.south || c.east || c.west;
        EXPECT_EQ(Top(25, 24) == 1895 && Top(24, 26) == 1895, anyRoad) << c.terrain;
    }
}

TEST_F(WildernessTest, TallObjectsStandWholeOrNotAtAll) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        NewLevel(1327);
        Put(26, 25, kWildernessCombatEvent, {{5, 1327}, {6, 275}, {7, 770}, {8, 1770}});
        SeedRandom(seed);
        BuildWildernessArena(26, 25, 0);
        int lower = 0;
        for (int x = 20; x <= 30; ++x)
            for (int y = 20; y <= 30; ++y) {
                const int16_t t = Top(x, y);
                if (t != 275 && t != 770 && t != 1770) continue;
                ++lower;
                EXPECT_EQ(Access(x, y), int16_t(1292 + AutoAccessTable[size_t(t)]));
                EXPECT_EQ(Top(x, y - 1), t - 20);
                EXPECT_EQ(Access(x, y - 1), y - 1 == 19 ? kBorderAccess : 1296);  // the ring is laid last
            }
        EXPECT_GT(lower, 0);
    }

    // Halves without their partners are taken away; a whole pair stays.
    NewLevel(1327);
    const auto place = [](int x, int y, int16_t tile) {
        CurrentLevel.TopLayer[x * 50 + y] = tile;
        Access(x, y) = 1298;
    };
    place(22, 22, 255);
    place(24, 24, 275);
    place(26, 25, 750);
    place(26, 26, 770);
    RepairArenaObjects();
    EXPECT_EQ(std::tuple(Top(22, 22), Access(22, 22), Top(24, 24), Access(24, 24)), std::tuple(0, 1295, 0, 1295));
    EXPECT_EQ(std::tuple(Top(26, 25), Top(26, 26)), std::tuple(750, 770));
}

TEST_F(WildernessTest, TheHeroEntersOnTheSideHeCameFrom) {
    const struct {
        int16_t dx, dy, x, y;
        int16_t cleared[3][2];
    } cases[] = {
        {0, 1, 25, 20, {{25, 21}, {26, 20}, {24, 20}}},
        {0, -1, 25, 30, {{25, 29}, {26, 30}, {24, 30}}},
        {-1, 0, 30, 25, {{30, 24}, {30, 26}, {29, 25}}},
        {1, 0, 20, 25, {{20, 24}, {20, 26}, {21, 25}}},
    };
    for (const auto& c : cases) {
        NewLevel(1327);
        for (int x = 19; x <= 31; ++x)
            for (int y = 19; y <= 31; ++y) {
                CurrentLevel.TopLayer[x * 50 + y] = 640;
                Access(x, y) = x == 25 && y == 25 ? kFreeAccess : kSolidAccess;
            }
        PlaceArenaExits(c.dx, c.dy);
        EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY),
                  std::tuple(kArena, c.x, c.y));
        for (auto [x, y] : c.cleared) EXPECT_EQ(std::tuple(Top(x, y), Access(x, y)), std::tuple(0, 1295));
        EXPECT_EQ(std::tuple(Top(c.x, c.y), Access(c.x, c.y)), std::tuple(0, 1295));
        EXPECT_EQ(Top(25, 25), 640);  // free ground keeps its tile
    }
}

TEST_F(WildernessTest, TheCountIsOfTheMonstersPlaced) {
    const struct {
        int16_t monster, count, dx;
        int placed;
        int16_t facing;
    } cases[] = {{1, 2, 1, 2, 3}, {1, 30, -1, 25, 0}};
    for (const auto& c : cases) {
        NewLevel(1327);
        PopulateEncounters();
        PlaceArenaMonsters(26, 25, c.dx, 0, c.monster, c.count);
        EXPECT_EQ(WildCombatMonsters, c.placed) << c.count;
        EXPECT_EQ(EncounterCount(), c.placed) << c.count;
        EXPECT_EQ(GameState.EncounterList[0].Facing, c.facing);
    }
    // A 2 x 2 needs its whole footprint free.
    NewLevel(1327);
    PopulateEncounters();
    Access(23, 22) = kSolidAccess;
    EXPECT_EQ(ArenaSquareFree(22, 22, 3), 0);
    EXPECT_EQ(ArenaSquareFree(22, 22, 1), 1);
    AddMonsterEncounter(1, 24, 25, 0, 0);
    EXPECT_EQ(ArenaSquareFree(23, 24, 3), 0);
}

TEST_F(WildernessTest, FleeingAndWinning) {
    StartBattle();
    const int16_t ring[2] = {20, 19};
    int16_t turn = 0;
    // Word 19 of 0 would mean no flight at all.
    FleeChance = 0;
    TapKey(13);
    Run([&] { EXPECT_EQ(TryStep(ring[0], ring[1], 0, -1, turn), 0); });
    EXPECT_EQ(Shown("      You cannot flee."), 1u);
    EXPECT_EQ(GameState.CurrentLevelNumber, kArena);

    // A failed flight: the flag of the flight changes, and no second try.
    FleeChance = 1;
    SeedRandom(7);
    TapKey('Y');
    TapKey(13);
    Run([&] { EXPECT_EQ(TryStep(ring[0], ring[1], 0, -1, turn), 0); });
    EXPECT_EQ(Shown("Flee combat? (1%)"), 1u);
    EXPECT_EQ(Shown("You were unable to flee!"), 1u);
    EXPECT_EQ(FleeChance, 0);
    EXPECT_EQ(GameFlag(71), 2);
    EXPECT_EQ(GameState.CurrentLevelNumber, kArena);

    // A flight that succeeds.
    FleeChance = 99;
    SeedRandom(7);
    TapKey('Y');
    TapKey(13);
    Run([&] { TryStep(ring[0], ring[1], 0, -1, turn); });
    EXPECT_EQ(Shown("       You escaped!"), 1u);
    EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY), std::tuple(1, 26, 25));
    EXPECT_EQ(WildCombatMonsters, -1);
    EXPECT_NE(EventAt(26, 25), nullptr);
    EXPECT_EQ(FleeChance, 0);
    EXPECT_EQ(BattleTune, -1);

    // Victory: every monster dead, the ring asks to leave and the victory flag changes.
    StartBattle();
    WildCombatMonsters = 0;
    TapKey('Y');
    Run([&] { TryStep(ring[0], ring[1], 0, -1, turn); });
    EXPECT_EQ(Shown("Victory! Leave area?"), 1u);
    EXPECT_EQ(GameFlag(70), 5);
    EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY), std::tuple(1, 26, 25));
}

}  // namespace
