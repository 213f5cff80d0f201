// Splats, spawn texts, roots, trees and visions.
#include <array>

#include "adventure/encounters.h"
#include "data/file_io.h"
#include "events/event_screen.h"
#include "tests/events/event_test.h"

namespace {

constexpr int16_t kSplat = 1332, kStatus = 810, kDone = 811;

class SpecialPlacesTest : public EventTest {
protected:
    // A SPLAT of the type whose flag change adds 1 to kDone.
    EventRecord& Splat(int16_t type, int16_t status) {
        SetGameFlag(kStatus, status);
        SetGameFlag(kDone, 0);
        return Put(5, 5, kSplat, {{1, type}, {2, kStatus}, {6, kDone}, {7, 1}, {8, 1}});
    }
};

TEST_F(SpecialPlacesTest, SplatsByType) {
    Splat(0, -1);  // a cat: splatted once, then walked over
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameFlag(kStatus), 1);
    EXPECT_EQ(GameFlag(kDone), 1);
    EXPECT_EQ(Bump(5, 5), 1);
    EXPECT_EQ(GameFlag(kDone), 1);

    Splat(3, -1);  // a pod still blocks once splatted
    EXPECT_EQ(Bump(5, 5), 0);
    Forget();
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(host.effects.empty());
    EXPECT_EQ(GameFlag(kDone), 1);

    Splat(11, 0);  // a statue takes three blows, the flag change with the third
    for (int blow = 1; blow <= 3; ++blow) {
        EXPECT_EQ(Bump(5, 5), 0);
        EXPECT_EQ(GameFlag(kStatus), blow);
        EXPECT_EQ(GameFlag(kDone), blow == 3 ? 1 : 0);
    }
    Forget();
    EXPECT_EQ(Bump(5, 5), 0);
    Splat(5, 7);  // a status past three, set elsewhere, is done too
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(host.effects.empty());
    EXPECT_EQ(GameFlag(kStatus), 7);

    // Not allowed yet: the text passes by.
    EventRecord& cat = Splat(1, -1);
    cat.Word[3] = 812;
    cat.Word[4] = 5;
    cat.Word[5] = 1;
    Text(cat, 0, 0, "The cat hisses.");
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("The cat hisses."));
    EXPECT_EQ(GameFlag(kStatus), -1);
}

TEST_F(SpecialPlacesTest, DrainsAndMachines) {
    Splat(6, -1);
    Keys({'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("You need a shovel or", 465, 180, 91));
    EXPECT_FALSE(Shown("Unblock"));
    EXPECT_EQ(GameFlag(kStatus), -1);

    Item(335, 35, "Shovel");
    Carry(335);
    Keys({'U'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("Dig"), 1u);
    EXPECT_EQ(GameFlag(kStatus), 0);
    EXPECT_EQ(GameFlag(kDone), 1);
    Forget();
    EXPECT_EQ(Bump(5, 5), 0);  // unblocked: nothing more
    EXPECT_TRUE(host.effects.empty());

    Splat(10, -1);
    Keys({'S'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("This is a drug lab.", 465, 180, 182));
    EXPECT_EQ(Played("Crash"), 1u);
    EXPECT_EQ(GameFlag(kStatus), 0);
    EXPECT_EQ(GameFlag(kDone), 1);

    Splat(12, -1);
    Keys({'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("massive generator.", 465, 156));
    EXPECT_EQ(GameFlag(kStatus), -1);
}

TEST_F(SpecialPlacesTest, SpawnRootsAndTrees) {
    EventRecord& spawn = Put(5, 5, 1333, {{1, 820}, {2, 5}, {3, 1}});
    Text(spawn, 0, 0, "A nest of spiders.");
    Text(spawn, 1, 0, "An empty nest.");
    EXPECT_EQ(Bump(5, 5), 0);
    SetGameFlag(820, 1);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("An empty nest."));
    EXPECT_TRUE(Shown("A nest of spiders."));

    Put(6, 5, 1334, {{2, 821}, {3, 822}});
    SetGameFlag(822, 0);
    Item(498, 14, "Pure Water");
    Carry(498);
    Keys({'W'});
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_TRUE(ShownAt("withered and dry.", 465, 156));
    EXPECT_EQ(GameFlag(821), 0);
    EXPECT_EQ(GameFlag(822), 1);
    Forget();
    EXPECT_EQ(Bump(6, 5), 0);  // watered once only: the healthy text passes by
    EXPECT_TRUE(Shown("wet and healthy!"));
    EXPECT_FALSE(Shown("Water"));
    EXPECT_EQ(GameFlag(822), 1);

    Put(7, 5, 1337, {{1, 823}});
    Keys({'C'});
    EXPECT_EQ(Bump(7, 5), 0);
    EXPECT_EQ(GameFlag(823), 1);
    EXPECT_EQ(Bump(7, 5), 1);
}

TEST_F(SpecialPlacesTest, VisionOfAnotherLevelRebuildsThisOne) {
    // Level 2, seen in the vision, and level 1, the hero's, both on file.
    Put(30, 30, 1227);
    CurrentLevel.BottomLayer[30 * 50 + 30] = 77;
    ASSERT_TRUE(WriteLevelFile(LevelFilePath(2)));
    NewLevel(1327);
    Put(5, 5, 1339, {{4, 2}, {5, 25}, {6, 60}});  // Y past the edge: 37
    EventRecord& door = Put(6, 5, 1233);
    ASSERT_TRUE(WriteLevelFile(LevelFilePath(1)));
    PopulateEncounters();
    const std::array<Encounter, 50> encounters = std::to_array(GameState.EncounterList);

    // What the vision must not keep: an opened door, a moved object, a wounded monster.
    door.Word[2] = 1;
    GameState.EncounterList[0] = {};
    GameState.EncounterList[0].Kind = 3;
    GameState.EncounterList[0].Hp = 2;
    GameState.MonsterGrid[12 * 50 + 12] = 0;
    Keys({'D'});
    EXPECT_EQ(Bump(5, 5), 1);
    EXPECT_EQ(Played("PowerUp"), 1u);
    EXPECT_TRUE(Shown("A strange vision..."));
    EXPECT_NE(CurrentLevel.BottomLayer[30 * 50 + 30], 77);
    ASSERT_NE(EventAt(6, 5), nullptr);
    EXPECT_EQ(EventAt(6, 5)->Word[2], 0);
    EXPECT_NE(EventAt(5, 5), nullptr);
    EXPECT_EQ(GameState.MonsterGrid[12 * 50 + 12], -1);
    EXPECT_EQ(std::memcmp(GameState.EncounterList, encounters.data(), sizeof GameState.EncounterList), 0);

    // A vision of the hero's own level loads nothing; one of a level without a file shows nothing.
    EventAt(6, 5)->Word[2] = 1;
    EventAt(5, 5)->Word[4] = 1;
    Keys({27});
    EXPECT_EQ(Bump(5, 5), 1);
    EXPECT_EQ(EventAt(6, 5)->Word[2], 1);
    EventAt(5, 5)->Word[4] = 99;
    Forget();
    EXPECT_EQ(Bump(5, 5), 1);
    EXPECT_FALSE(Shown("A strange vision..."));
}

}  // namespace
