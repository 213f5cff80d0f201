// Event pictures: the picture of each state, the state drawing settles, and the wall that
// crushes a monster.
#include "view/event_pictures.h"

#include "adventure/hero_step.h"
#include "data/monster_records.h"
#include "script/flags.h"
#include "tests/view/view_test.h"

namespace {

class EventPicturesTest : public ViewTest {
protected:
    static constexpr int16_t kF = 500;  // a flag the events name
    static constexpr int32_t kX = 15 + 32 * 3, kY = 15 + 32 * 4;

    // Draws the event of (20, 20) alone at (kX, kY).
    static void DrawEvent() {
        Clear(BackSurface);
        DrawCellEvent(3, 4, 20, 20, kX, kY);
    }
    static bool NothingDrawn() {
        for (int r = 0; r < 32; ++r)
            for (int c = 0; c < 32; ++c)
                if (BackSurface->Row(kY + r)[kX + c] != 0) return false;
        return true;
    }
};

TEST_F(EventPicturesTest, PictureByState) {
    struct Case {
        const char* what;
        int16_t type;
        std::initializer_list<std::pair<int, int16_t>> words;
        int16_t flag;   // value of flag kF
        int16_t tile;   // -1 nothing
    };
    const Case cases[] = {
        {"complex door status 0", 1234, {{1, 2}, {7, kF}}, 0, -1},
        {"complex door status -1", 1234, {{1, 2}, {7, kF}}, -1, -1},
        {"complex door open", 1234, {{1, 2}, {7, kF}}, 1, 498},
        {"complex door shut", 1234, {{1, 2}, {7, kF}}, 2, 1533},
        {"simple door shut", 1233, {{1, 9}}, 0, 402},
        {"simple door open", 1233, {{1, 9}, {2, 1}}, 0, -1},
        {"portal active", 1236, {{1, kF}, {2, 5}, {3, 1}, {4, 60}, {18, 61}}, 1, 60},
        {"portal dormant", 1236, {{1, kF}, {2, 5}, {3, 1}, {4, 60}, {18, 61}}, 0, 61},
        {"portal dormant and hidden", 1236, {{1, kF}, {2, 5}, {3, 1}, {18, 61}, {21, 1}}, 0, -1},
        {"portal of sight without portal sight", 1236, {{4, 60}, {5, 5}, {18, 61}}, 0, 61},
        {"portal of kind 4 by its flag", 1236, {{5, 4}, {20, 62}, {21, kF}}, 1, 62},
        {"secret door hidden", 1235, {{1, 70}, {2, 30}, {8, kF}}, 0, 70},
        {"secret door found and seen through", 1235, {{1, 70}, {2, 0}, {8, kF}}, 1, 1315},
        {"dig portal of a flag off the table", 1237, {{1, 80}, {2, 81}, {3, 9000}}, 1, 80},
        {"chest shut", 1242, {{9, kF}, {30, 1}}, 0, 566},
        {"chest of kind 7", 1242, {{9, kF}, {30, 7}}, 0, -1},
        {"pit needing skill", 1257, {{4, 5}, {9, kF}}, 0, -1},
        {"pit shaft open", 1257, {{9, kF}, {14, 1}}, 1, 1398},
        {"switch of no kind", 1260, {{1, 8}, {6, kF}}, 1, 0},
        {"splat kind 5 unset", 1332, {{1, 5}, {2, kF}}, -1, 577},
        {"toggle destroyed", 1261, {{1, kF}, {2, 0}, {3, 9000}, {4, 95}}, 9999, 50},
        {"trap unseen", 1256, {{4, 30}, {5, 2}, {9, kF}}, 0, -1},
        {"trap spotted", 1256, {{5, 2}, {9, kF}}, 0, 1672},
        {"trap sprung", 1256, {{5, 2}, {9, kF}}, 1, -1},
        {"no picture type", 1247, {{1, 3}}, 0, -1},
    };
    for (const Case& c : cases) {
        FreeLevelEventsAndScripts(0);
        PutEvent(20, 20, c.type, c.words);
        GameState.GameFlags[kF] = c.flag;
        DrawEvent();
        if (c.tile < 0)
            EXPECT_TRUE(NothingDrawn()) << c.what;
        else
            EXPECT_TRUE(TileAt(kX, kY, c.tile)) << c.what;
    }
}

TEST_F(EventPicturesTest, PitWithoutSkillIsFoundWhenDrawn) {
    PutEvent(20, 20, 1257, {{9, kF}});
    DrawEvent();
    EXPECT_EQ(GameState.GameFlags[kF], 1);
    EXPECT_TRUE(TileAt(kX, kY, 1397));
    // A flag word off the table is never written and reads -1: not found, but no skill needed.
    PutEvent(20, 20, 1257, {{9, 8000}});
    DrawEvent();
    EXPECT_TRUE(TileAt(kX, kY, 2138));
}

TEST_F(EventPicturesTest, FlagTestsAndBeams) {
    GameState.GameFlags[12] = 4;
    const struct {
        int16_t flag, op, value;
        int expected;
    } tests[] = {{0, 5, 3, 1}, {-1, 0, 0, 1}, {12, 0, 3, 1}, {12, 5, 3, 0}, {12, 6, 4, 0}, {12, -1, 4, 0}};
    for (const auto& t : tests)
        EXPECT_EQ(TestFlagCondition(t.flag, t.op, t.value), t.expected) << t.flag << " " << t.op << " " << t.value;

    GameState.GameFlags[20] = 118;
    GameState.GameFlags[21] = 119;
    EXPECT_EQ(BeamTile(0, -1), 1200);
    EXPECT_EQ(BeamTile(20, 0), 1208);
    EXPECT_EQ(BeamTile(20, 21), 1216);
    EXPECT_EQ(BeamTile(21, 20), 1216);
    GameState.GameFlags[21] = 5;
    EXPECT_EQ(BeamTile(20, 21), 1200);

    // A beam whose shape matches its target kind sets the target flag.
    GameState.GameFlags[20] = 118;
    PutEvent(20, 20, 1277, {{1, 30}, {6, 2}, {11, 1}, {12, 20}, {13, 1}, {14, 4}, {15, 31}});
    DrawEvent();
    EXPECT_FALSE(TileAt(kX, kY, 1209));  // flag 30 does not hold 2
    EXPECT_EQ(GameState.GameFlags[31], 0);
    GameState.GameFlags[30] = 2;
    DrawEvent();
    EXPECT_TRUE(TileAt(kX, kY, 1209));
    EXPECT_EQ(GameState.GameFlags[31], 1);
}

TEST_F(EventPicturesTest, RisingWallCrushesAMonsterThatCannotWalkThroughWalls) {
    MonsterTable[7].MonsterPicture = 100;
    MonsterTable[7].MonsterWalksThroughWalls = 0;
    GameState.EncounterList[4].Kind = 3;
    GameState.EncounterList[4].Monster = 7;
    GameState.MonsterGrid[20 * 50 + 20] = 4;
    PutEvent(20, 20, 1261, {{4, 95}});
    ScavengePending = 1;
    Clear(FrontSurface);
    const uint64_t before = host.NowMs();
    DrawEvent();
    EXPECT_GE(host.NowMs() - before, 400u);
    EXPECT_EQ(GameState.EncounterList[4].Kind, -1);
    EXPECT_EQ(GameState.MonsterGrid[20 * 50 + 20], -1);
    EXPECT_TRUE(Shows(FrontSurface, kX, kY, WallTiles[1317]));
    EXPECT_EQ(std::count(host.effects.begin(), host.effects.end(), "MonsterDie"), 1);
    EXPECT_EQ(ScavengePending, 0u);
    EXPECT_TRUE(TileAt(kX, kY, 95));

    // A wall-walker survives the wall.
    MonsterTable[7].MonsterWalksThroughWalls = 1;
    GameState.EncounterList[4].Kind = 3;
    GameState.EncounterList[4].Monster = 7;
    GameState.MonsterGrid[20 * 50 + 20] = 4;
    DrawEvent();
    EXPECT_EQ(GameState.EncounterList[4].Kind, 3);

    // The ALT TILE crushes only under its no-access side.
    MonsterTable[7].MonsterWalksThroughWalls = 0;
    PutEvent(20, 20, 1281, {{1, kF}, {2, 5}, {3, 1}, {4, 96}, {5, 0}, {6, 97}, {7, 3}});
    GameState.GameFlags[kF] = 1;
    DrawEvent();
    EXPECT_EQ(GameState.EncounterList[4].Kind, 3);
    GameState.GameFlags[kF] = 0;
    DrawEvent();
    EXPECT_EQ(GameState.EncounterList[4].Kind, -1);  // the same monster, alive until now
    EXPECT_TRUE(TileAt(kX, kY, 97));
}

}  // namespace
