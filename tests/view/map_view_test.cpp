// The map view composed: fog, layers, marks, NPC figures, shading and the hero's figure.
#include "view/map_view.h"

#include "adventure/adventure_loop.h"
#include "data/item_records.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "tests/view/view_test.h"
#include "view/play_screen.h"

namespace {

class MapViewTest : public ViewTest {
protected:
    void TearDown() override {
        TestPlayMode = 0;
        ShowIdleThought = 0;
        ViewTest::TearDown();
    }
    void Draw(int16_t viewMode = 0) { DrawPlayScreen(1, 1, viewMode, -1, -1, 0); }
    // The hero at (20, 20) is in cell (6, 6).
    static constexpr int32_t kHero = 15 + 32 * 6;
    static bool HeroFigure(int32_t picture, int dx = 0, int dy = 0) { return FigureAt(kHero + dx, kHero + dy, picture); }
};

TEST_F(MapViewTest, FogLayersAndMarks) {
    for (int y = 14; y <= 26; ++y) SetAccess(22, y, 1298);  // a wall east of the hero
    PutEvent(24, 20, 1227, {{8, 33}});                     // behind it a step text, beacon, damage floor
    GameState.Beacon[0] = 0;
    GameState.Beacon[1] = 24;
    GameState.Beacon[2] = 21;
    GameState.DamageFloor[24 * 50 + 22] = 1160;
    TestPlayMode = 1;
    Hollow(WallTiles[1010], 0);
    CurrentLevel.TopLayer[21 * 50 + 20] = 0;  // tile 0 is drawn like any other
    SetAccess(19, 21, 1959);
    GameState.Stats[kPerception] = 10;
    GameState.DamageFloor[19 * 50 + 19] = 1161;
    GameState.CarefulStep = 1;
    Draw();
    for (int j : {6, 7, 8}) EXPECT_TRUE(CellShows(10, j, 1327)) << j;
    EXPECT_TRUE(CellShows(7, 6, 1010));
    ASSERT_NE(Text("ESC = Quit Test"), nullptr);
    EXPECT_EQ(Text("ESC = Quit Test")->y, 411);

    TestPlayMode = 0;
    Draw();
    EXPECT_TRUE(CellShows(7, 6, 0));
    EXPECT_TRUE(CellShows(5, 7, 1940));
    EXPECT_TRUE(CellShows(5, 5, 1161));
    EXPECT_TRUE(CellShows(5, 6, kFloor));  // a top layer of -1 draws nothing
    EXPECT_TRUE(TileAt(399, 399, 1923));
    GameState.Beacon[1] = 21;
    GameState.Beacon[2] = 19;
    GameState.Stats[kPerception] = 9;
    Draw();
    EXPECT_TRUE(CellShows(7, 5, 1529));
    EXPECT_FALSE(CellShows(5, 7, 1940));
}

TEST_F(MapViewTest, ZoneOneTopLayerSuppressedByTheFlagWords) {
    const int s = 21 * 50 + 20;
    CurrentLevel.TopLayer[s] = 7;
    CurrentLevel.ZoneLayer[s] = 1;
    CurrentLevel.ZoneSuppressFlag[1] = 0;
    CurrentLevel.ZoneSuppressValue[1] = 3;
    GameState.GameFlags[0] = 3;
    Draw();
    EXPECT_TRUE(CellShows(7, 6, 7));  // both words at 0: every top tile is drawn
    CurrentLevel.ZoneSuppressValue[0] = 1;
    Draw();
    EXPECT_TRUE(CellShows(7, 6, kFloor));
    GameState.GameFlags[0] = 2;
    Draw();
    EXPECT_TRUE(CellShows(7, 6, 7));
}

TEST_F(MapViewTest, NpcFiguresTheirConditionAndReachIn) {
    // The window starts at (14, 14); a 2 x 2 figure anchored at (13, 13) shows its lower right.
    PutEvent(13, 13, 1246, {{5, 1236}, {6, -1}});
    EventRecord& npc = PutEvent(22, 20, 1246, {{1, 50}, {2, 5}, {3, 1}, {5, 400}, {6, -1}, {8, 51}, {9, 401}, {10, -1}, {11, 2}});
    const int32_t fx = CellPixel(8) + 1, fy = kHero + 1;
    Draw();
    EXPECT_TRUE(PartAt(15, 15, MonsterPictures[1236], {30, 30, 61, 61}));
    EXPECT_FALSE(FigureAt(fx, fy, 400));
    GameState.GameFlags[50] = 1;
    Draw();
    EXPECT_TRUE(FigureAt(fx, fy, 400));
    GameState.GameFlags[51] = 2;
    Draw();
    EXPECT_TRUE(FigureAt(fx, fy, 401));
    npc.Word[10] = 13;
    Draw();
    EXPECT_TRUE(CellShows(8, 6, 13));
}

TEST_F(MapViewTest, SightEdgesRoundTheSeenArea) {
    // At the window's edge the outside neighbour takes no part; corners have rules of their own.
    const struct {
        std::initializer_list<std::pair<int, int>> seen;
        int i, j;
        int16_t tile;  // -1 nothing
    } cases[] = {
        {{{5, 5}, {5, 6}, {6, 5}}, 5, 5, 1836}, {{{5, 0}, {4, 0}, {5, 1}}, 5, 0, 1835},
        {{{12, 5}, {12, 4}, {11, 5}}, 12, 5, 1815}, {{{0, 0}, {0, 1}}, 0, 0, 1835},
        {{{0, 0}, {1, 0}}, 0, 0, 1816}, {{{0, 0}, {0, 1}, {1, 0}}, 0, 0, -1},
        {{{0, 0}}, 0, 0, 320}, {{{12, 12}, {11, 12}}, 12, 12, 1835},
        {{{12, 0}, {12, 1}}, 12, 0, 1836}, {{{0, 12}, {1, 12}}, 0, 12, 1836},
    };
    for (const auto& c : cases) {
        for (auto& column : SightGrid) std::fill(std::begin(column), std::end(column), int16_t{0});
        for (auto [i, j] : c.seen) SightGrid[i][j] = 1;
        Clear(BackSurface);
        DrawSightEdges();
        int shown = -1;
        for (int t : {1815, 1816, 1835, 1836, 320})
            if (CellShows(c.i, c.j, t)) shown = t;
        EXPECT_EQ(shown, c.tile) << c.i << "," << c.j;
    }
}

TEST_F(MapViewTest, HeroFigureByPoseSexFacingAndWeapon) {
    GameState.HeroSex = 1;
    GameState.FigureFacesRight = 1;
    Draw();
    EXPECT_TRUE(HeroFigure(865));
    GameState.HeroSex = 0;
    GameState.FigureFacesRight = 0;
    for (auto [mode, picture] : {std::pair<int16_t, int>{0, 912}, {1, 952}, {2, 918}, {3, 920}, {4, 922}}) {
        Draw(mode);
        EXPECT_TRUE(HeroFigure(picture)) << mode;
    }
    // A two-square weapon reaches into the neighbouring square.
    ItemTable[300].ItemPcIcon = 6;
    GameState.ItemInstances[2] = {300, 0, 0, 0, 0};
    GameState.EquipSlots[kWeaponSlot] = 2;
    Draw(1);
    EXPECT_TRUE(HeroFigure(937) && HeroFigure(936, -30));

    // The shield goes over the figure; one without a picture draws nothing.
    ItemTable[405].ItemType = ItemTable[411].ItemType = 4;
    GameState.ItemInstances[3] = {405, 0, 0, 0, 0};
    GameState.EquipSlots[kOffhandSlot] = 3;
    GameState.Hidden = 1;
    Hollow(MonsterPictures[985], 1);
    Draw();
    EXPECT_TRUE(HeroFigure(985));  // 960 + 24 hidden + 1 facing left
    GameState.ItemInstances[3].ItemNumber = 411;
    Draw();
    EXPECT_TRUE(HeroFigure(942));
}

TEST_F(MapViewTest, HeroStatesChooseTheFigure) {
    struct Case {
        const char* what;
        int16_t access = 1295, form = 0, stealth = 0, shrunk = 0, zone = 0;
        uint32_t hidden = 0;
        bool bridge = false;
        int32_t picture = 0;
    };
    const Case cases[] = {
        {.what = "chasm", .access = 1292, .picture = 948},
        {.what = "falcon over a chasm", .access = 1292, .form = 2, .picture = 576},
        {.what = "hidden on a maw, stealth 10", .access = 1959, .stealth = 10, .hidden = 1, .picture = 942},
        {.what = "hidden on a maw, stealth 9", .access = 1959, .stealth = 9, .hidden = 1, .picture = 948},
        {.what = "chasm with a built bridge", .access = 1292, .bridge = true, .picture = 912},
        {.what = "shrunk", .shrunk = 1, .picture = 946},
        {.what = "shrunk in zone 5", .shrunk = 1, .zone = 5, .picture = 912},
        {.what = "bear", .form = 4, .picture = 288},
    };
    for (const Case& c : cases) {
        FreeLevelEventsAndScripts(0);
        SetAccess(20, 20, c.access);
        CurrentLevel.ZoneLayer[20 * 50 + 20] = c.zone;
        GameState.HeroForm = c.form;
        GameState.Skills[kStealth] = c.stealth;
        GameState.Hidden = c.hidden;
        GameState.Shrunk = c.shrunk;
        if (c.bridge) PutEvent(20, 20, 1270);
        Draw();
        EXPECT_TRUE(HeroFigure(c.picture)) << c.what;
    }
    // Magic food: its own figure alone, no danger figure or undead overlay.
    GameState.MagicFoodTurns = 2;
    GameState.HeroIsUndead = 1;
    GameState.HeroForm = GameState.Hidden = 0;
    SetAccess(20, 20, 1292);
    Draw();
    EXPECT_TRUE(HeroFigure(954, 1, 1));
    EXPECT_FALSE(HeroFigure(910, 0, -16));
}

TEST_F(MapViewTest, OverlaysOfTheHerosSquare) {
    SetAccess(20, 20, 1300);
    GameState.ActiveAura = 2;
    GameState.LostHpThisTurn = 1;
    Hollow(WallTiles[390], 15);  // below the hurt mark
    Hollow(WallTiles[2394], 14);
    Draw();
    EXPECT_TRUE(CellShows(6, 6, 390) && CellShows(6, 6, 2394));
    EXPECT_TRUE(TileAt(kHero + 3, kHero - 19, 1734));
    SetAccess(20, 20, 1296);  // walking under a top tile: it goes over the hero
    CurrentLevel.TopLayer[20 * 50 + 20] = 44;
    GameState.ActiveAura = -1;
    Draw();
    EXPECT_TRUE(CellShows(6, 6, 44));

    // The idle thought, never in the map's two outer rows or columns.
    ShowIdleThought = 1;
    Hollow(WallTiles[1712], 0);
    GameState.HeroX = 2;
    Draw();
    EXPECT_TRUE(TileAt(CellPixel(2) + 15, kHero - 50, 1712));
    GameState.HeroX = 1;
    Draw();
    EXPECT_FALSE(TileAt(CellPixel(1) + 15, kHero - 50, 1712));
}

}  // namespace
