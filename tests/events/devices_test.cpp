// Shafts, switches, toggle walls, cracked walls and climbs, pushed objects and dormant monsters.
#include "events/monster_meeting.h"
#include "events/push_objects.h"
#include "events/switches.h"
#include "events/walls_and_climbs.h"
#include "hero/derived_stats.h"
#include "tests/events/event_test.h"

namespace {

constexpr int16_t kRope = 94;

class DevicesTest : public EventTest {
protected:
    // A push object (encounter 0) on (x, y).
    static void PushObjectAt(int16_t x, int16_t y) {
        GameState.EncounterList[0].Kind = 1;
        GameState.MonsterGrid[x * 50 + y] = 0;
    }
    static int16_t GridAt(int16_t x, int16_t y) { return GameState.MonsterGrid[x * 50 + y]; }
};

TEST_F(DevicesTest, ShaftSpottedByDisarmTrapsOrStepped) {
    Put(5, 5, 1257, {{4, 5}, {9, 60}, {10, 1}, {12, 30}, {13, 31}, {15, 10}});
    GameState.Skills[kDisarmTraps] = 4;
    EXPECT_EQ(Bump(5, 5), 1);  // unspotted: the hero steps onto the pit
    EXPECT_EQ(GameState.GameFlags[60], -1);

    GameState.Skills[kDisarmTraps] = 5;
    GameState.Stats[kAgility] = 10;
    Carry(kRope);
    host.Wait(5).Tap('C');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[60], 1);
    EXPECT_TRUE(Shown("Fortunately you have a"));
    EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(30, 31));  // Agility exactly enough
}

TEST_F(DevicesTest, ClimbNeedsAndFailures) {
    EventRecord& shaft = Put(5, 5, 1257, {{6, 1}, {7, 1}, {9, 60}, {10, 1}, {12, 30}, {13, 31}, {15, 10}});
    GameState.GameFlags[60] = 1;
    GameState.Stats[kAgility] = 12;  // the missing rope makes it 15
    host.Wait(5).Tap('C').Wait(5).Tap(27);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("Unfortunately you don't"));
    EXPECT_TRUE(Shown("  Without a rope and"));
    EXPECT_EQ(GameState.HeroX, 10);

    shaft.Word[6] = 0;  // an easy shaft: no rope needed, and the failure reads otherwise
    shaft.Word[15] = 13;
    host.Wait(5).Tap('C').Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("  The climb is too"));

    // The bottom end: climbed back up.
    Put(6, 5, 1257, {{9, 60}, {10, 1}, {12, 40}, {13, 41}, {14, 1}, {15, 12}});
    host.Wait(5).Tap('C');
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(40, 41));
}

TEST_F(DevicesTest, WolfJumpsInAndFallsEvenToDeath) {
    Put(5, 5, 1257, {{6, 10}, {7, 1}, {9, 60}, {10, 1}, {12, 30}, {13, 31}});
    GameState.GameFlags[60] = 1;
    GameState.HeroForm = 3;
    GameState.HitPoints = 5;
    host.Wait(5).Tap('J').Wait(200).Tap(13);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("In your current beastial"));
    EXPECT_TRUE(Shown("  killing yourself!"));
    EXPECT_EQ(GameState.HitPoints, 0);
    EXPECT_EQ(Played("MaleFall"), 1u);
    EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(30, 31));
}

TEST_F(DevicesTest, DialsTurnAndWrap) {
    Put(5, 5, 1260, {{1, 2}, {2, 5}, {3, 70}, {4, 0}, {6, 71}});  // number dial
    GameState.GameFlags[71] = 8;
    host.Wait(5).Tap('T').Wait(5).Tap('T').Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[71], -1);
    for (const char* line : {"The dial is set to 8.", "The dial is set to 9.", "The dial is set to -1."})
        EXPECT_TRUE(ShownAt(line, 465, 135, 182)) << line;
    EXPECT_TRUE(ButtonAt("Turn Dial", 257));
    EXPECT_EQ(Played("Lever"), 2u);
}

TEST_F(DevicesTest, ColourDialUndoesOnlyWhenItLeavesTheColour) {
    Put(5, 5, 1260, {{1, 3}, {2, 2}, {3, 70}, {4, 1}, {6, 71}, {7, 1}});
    GameState.GameFlags[70] = 0;
    for (int i = 0; i < 7; ++i) host.Wait(5).Tap('T');  // a full round: -1, RED .. BLACK, -1
    host.Wait(5).Tap(27);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("The dial is set to BLUE."));
    EXPECT_TRUE(Shown("The dial is unset."));
    EXPECT_EQ(GameState.GameFlags[70], 0);  // up once at BLUE, down once after it
    EXPECT_EQ(Played("Grate"), 7u);
}

TEST_F(DevicesTest, LeverOnAndOffLeavesItsTarget) {
    Put(5, 5, 1260, {{1, 0}, {3, 70}, {4, 1}, {6, 71}});
    GameState.GameFlags[70] = 4;
    host.Wait(5).Tap('T');
    host.Wait(5).Tap('T').Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("The lever is RIGHT."));
    EXPECT_EQ(GameState.GameFlags[70], 4);
    EXPECT_EQ(GameState.GameFlags[71], -1);

    Put(6, 5, 1260, {{1, 9}, {3, 72}, {6, 73}});  // a flame lit sets its target to 1
    host.Wait(5).Tap('T').Wait(5).Tap('L');
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_EQ(GameState.GameFlags[72], 1);
    EXPECT_EQ(Played("fire"), 1u);
}

TEST_F(DevicesTest, ToggleWalls) {
    Put(5, 5, 1261, {{1, -1}});  // no flag: always a wall, silent without text
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(host.effects.empty());
    EventRecord& wall = Put(6, 5, 1261, {{1, 9999}, {2, 0}, {3, 5}});
    Text(wall, 0, 0, "A wall");
    EXPECT_EQ(Bump(6, 5), 1);  // 9999 opens it
    wall.Word[1] = 80;
    GameState.GameFlags[80] = 6;
    host.Wait(5).Tap('L');
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_EQ(Played("Text"), 1u);
}

TEST_F(DevicesTest, CrackedWallsByForm) {
    Put(5, 5, 1266, {{2, 18}, {3, 90}});
    GameState.HeroForm = 3;  // Wolf
    host.Wait(5).Tap('B').Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("You are unable to do", 465, 120));
    EXPECT_EQ(GameState.GameFlags[90], -1);

    GameState.HeroForm = 0;  // too weak
    host.Wait(5).Tap('B').Wait(5).Tap(27);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("(Requires strength +18)", 465, 120, 182));

    GameState.HeroForm = 4;  // a Bear breaks anything
    host.Wait(5).Tap('B');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[90], 1);
    GameState.HeroForm = 0;
    EXPECT_EQ(Bump(5, 5), 1);
}

TEST_F(DevicesTest, ClimbingOver) {
    Put(11, 10, 1267, {{1, 5}, {5, 2}});
    GameState.Stats[kAgility] = 5;
    host.Wait(5).Tap('C');
    EXPECT_EQ(Bump(11, 10), 0);
    EXPECT_TRUE(ButtonAt("Climb Over", 260));
    EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(12, 10));

    GameState.HeroX = 10;
    GameState.MonsterGrid[12 * 50 + 10] = 3;  // someone stands where he would land
    host.Wait(5).Tap('C');
    EXPECT_EQ(Bump(11, 10), 0);
    EXPECT_EQ(GameState.HeroX, 10);
    EXPECT_EQ(Played("no"), 1u);

    GameState.HeroX = 48;
    EXPECT_EQ(ClimbOver(1, 0), 0);  // off the map
    EXPECT_EQ(GameState.HeroX, 48);
}

TEST_F(DevicesTest, PushingOntoEvents) {
    EventRecord& door = Put(6, 5, 1233);
    PushObjectAt(5, 5);
    EXPECT_EQ(PushObject(5, 5, 1, 0), 0);  // a closed door
    door.Word[2] = 1;
    EXPECT_EQ(PushObject(5, 5, 1, 0), 1);
    EXPECT_EQ(GridAt(6, 5), 0);
    EXPECT_EQ(GridAt(5, 5), -1);

    Put(7, 5, 1256, {{9, 100}});  // an armed trap
    EXPECT_EQ(PushObject(6, 5, 1, 0), 1);
    EXPECT_EQ(ObjectSprangTrap, 1u);
    EXPECT_EQ(GameState.GameFlags[100], 1);

    Put(8, 5, 1330);  // a step-on script: never
    EXPECT_EQ(PushObject(7, 5, 1, 0), 0);

    Put(7, 6, 1289, {{10, 101}});  // a thin crust: the object falls through
    CurrentLevel.AccessLayer[7 * 50 + 6] = 1299;
    EXPECT_EQ(PushObject(7, 5, 0, 1), 1);
    EXPECT_EQ(GridAt(7, 6), -1);
    EXPECT_EQ(GameState.EncounterList[0].Kind, -1);
    EXPECT_EQ(GameState.GameFlags[101], 2);

    PushObjectAt(49, 20);
    EXPECT_EQ(PushObject(49, 20, 1, 0), 0);  // the map's edge
    EXPECT_EQ(PushObject(49, 20, 0, 1), 1);

    // A 9999 wall stands open for objects too.
    Put(49, 22, 1261, {{1, 9999}});
    EXPECT_EQ(PushObject(49, 21, 0, 1), 1);
}

TEST_F(DevicesTest, PushingOverPadsAndWater) {
    PushObjectAt(5, 5);
    Put(6, 5, 1259, {{1, 110}});
    GameState.GameFlags[110] = 0;
    EXPECT_EQ(PushObject(5, 5, 1, 0), 1);
    const int16_t pressed = GameState.GameFlags[110];
    CurrentLevel.AccessLayer[7 * 50 + 5] = 1299;  // water
    EXPECT_EQ(PushObject(6, 5, 1, 0), 0);
    CurrentLevel.ZoneLayer[7 * 50 + 5] = 1;  // zone 1 passage
    CurrentLevel.ZoneSuppressFlag[1] = 111;
    CurrentLevel.ZoneSuppressValue[1] = 3;
    GameState.GameFlags[111] = 3;
    EXPECT_EQ(PushObject(6, 5, 1, 0), 1);
    EXPECT_EQ(GameState.GameFlags[110], pressed - 1);  // the object left the pad
}

TEST_F(DevicesTest, MeetingsAndDisguises) {
    Put(20, 20, 1247, {{13, 1}});
    Encounter& m = GameState.EncounterList[2];
    m.Kind = 3;
    m.X = m.Y = 20;
    m.DormantFlag = 120;
    m.DormantOp = 5;
    m.DormantValue = -1;
    host.Wait(5).Tap('A');
    Run([] { RunMonsterEventMeeting(20, 20, 2); });
    EXPECT_EQ(std::tuple(m.DormantFlag, m.DormantOp, m.DormantValue), std::tuple(-1, -1, -1));

    EventGrid[20 * 50 + 20]->Word[13] = 0;  // only the text: A does nothing
    m.DormantFlag = 120;
    host.Wait(5).Hold('A', 20).Wait(5).Tap('L');
    Run([] { RunMonsterEventMeeting(20, 20, 2); });
    EXPECT_EQ(m.DormantFlag, 120);
    EXPECT_EQ(CountShown("Attack!"), 1u);  // the first meeting's

    GameState.ItemInstances[5] = {140, 0, 0, 0, 0};
    GameState.EquipSlots[4] = 5;
    for (int16_t e : {2, 3}) {
        GameState.EncounterList[e].Kind = 3;
        GameState.EncounterList[e].DisguiseItem = 140;
    }
    GameState.EncounterList[4].Kind = 3;
    GameState.EncounterList[4].DisguiseItem = 141;
    GameState.MonsterGrid[0] = 2;
    GameState.MonsterGrid[1] = 3;
    GameState.MonsterGrid[2] = 4;
    ClearWornDisguises();
    EXPECT_EQ(GameState.EncounterList[2].DisguiseItem, -1);
    EXPECT_EQ(GameState.EncounterList[3].DisguiseItem, -1);
    EXPECT_EQ(GameState.EncounterList[4].DisguiseItem, 141);
}

}  // namespace
