// The map view composed: fog, layers, marks, NPC figures and the hero's figure.
#include "view/map_view.h"

#include "adventure/adventure_loop.h"
#include "data/item_records.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "tests/view/view_test.h"
#include "view/hero_sprite.h"
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
    static int32_t HeroPixel() { return CellPixel(6); }
};

TEST_F(MapViewTest, UnseenCellShowsOnlyFogWhateverItHolds) {
    for (int y = 14; y <= 26; ++y) SetAccess(22, y, 1298);  // a wall east of the hero
    PutEvent(24, 20, 1227, {{8, 33}});                     // a step text with a picture
    GameState.Beacon[0] = 0;
    GameState.Beacon[1] = 24;
    GameState.Beacon[2] = 21;
    GameState.DamageFloor[24 * 50 + 22] = 1160;
    TestPlayMode = 1;
    Hollow(WallTiles[1010], 0);
    Draw();
    for (int j : {6, 7, 8}) EXPECT_TRUE(CellShows(10, j, 1327)) << j;
    EXPECT_TRUE(CellShows(7, 6, 1010));  // every seen cell carries the test-play mark
    EXPECT_TRUE(CellShows(5, 5, 1010));
    const host::TextRecord* quit = Text("ESC = Quit Test");
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->y, 411);
}

TEST_F(MapViewTest, TopLayerDrawnWhateverItsValueUnlessSuppressed) {
    const int right = 21 * 50 + 20;
    CurrentLevel.TopLayer[right] = 0;
    Draw();
    EXPECT_TRUE(CellShows(7, 6, 0));
    EXPECT_TRUE(CellShows(5, 6, kFloor));  // top -1 draws nothing

    // The zone-1 suppression by flag 0, switched on by the word that follows the flags.
    CurrentLevel.TopLayer[right] = 7;
    CurrentLevel.ZoneLayer[right] = 1;
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

TEST_F(MapViewTest, MarksOfSeenCells) {
    GameState.Beacon[0] = 0;
    GameState.Beacon[1] = 21;
    GameState.Beacon[2] = 19;
    SetAccess(19, 21, 1959);
    GameState.Stats[kPerception] = 10;
    GameState.DamageFloor[19 * 50 + 19] = 1161;
    GameState.CarefulStep = 1;
    Draw();
    EXPECT_TRUE(CellShows(7, 5, 1529));
    EXPECT_TRUE(CellShows(5, 7, 1940));
    EXPECT_TRUE(CellShows(5, 5, 1161));
    EXPECT_TRUE(TileAt(399, 399, 1923));
    GameState.Stats[kPerception] = 9;
    GameState.CarefulStep = 0;
    Draw();
    EXPECT_TRUE(CellShows(5, 7, kFloor));
    EXPECT_TRUE(TileAt(399, 399, 1922));
}

TEST_F(MapViewTest, NpcFigureReachesInFromAboveLeft) {
    // The window starts at (14, 14); a 2 x 2 figure anchored at (13, 13) shows its lower right.
    PutEvent(13, 13, 1246, {{5, 1236}, {6, -1}});
    Draw();
    EXPECT_TRUE(PartAt(15, 15, MonsterPictures[1236], {30, 30, 61, 61}));

    // The condition, the alternative pair, and the wall picture over the figure.
    FreeLevelEventsAndScripts(0);
    EventRecord& npc = PutEvent(22, 20, 1246, {{1, 50}, {2, 5}, {3, 1}, {5, 400}, {6, -1}, {8, 51}, {9, 401}, {10, -1}, {11, 2}});
    const int32_t fx = CellPixel(8) + 1, fy = HeroPixel() + 1;
    Draw();
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
    CurrentLevel.ViewDistance = 2;  // only the 3 x 3 around the hero is seen
    Draw();
    EXPECT_TRUE(CellShows(5, 5, 1836));
    EXPECT_TRUE(CellShows(7, 5, 1835));
    EXPECT_TRUE(CellShows(5, 7, 1816));
    EXPECT_TRUE(CellShows(7, 7, 1815));
    EXPECT_TRUE(CellShows(6, 5, kFloor));

    // At the window's edge the outside neighbour takes no part; corners have rules of their own.
    const struct {
        std::initializer_list<std::pair<int, int>> seen;
        int i, j;
        int16_t tile;  // -1 nothing
    } cases[] = {
        {{{5, 0}, {4, 0}, {5, 1}}, 5, 0, 1835},
        {{{12, 5}, {12, 4}, {11, 5}}, 12, 5, 1815},
        {{{0, 0}, {0, 1}}, 0, 0, 1835},
        {{{0, 0}, {1, 0}}, 0, 0, 1816},
        {{{0, 0}, {0, 1}, {1, 0}}, 0, 0, -1},
        {{{0, 0}}, 0, 0, 320},
        {{{12, 12}, {11, 12}}, 12, 12, 1835},
        {{{12, 0}, {12, 1}}, 12, 0, 1836},
        {{{0, 12}, {1, 12}}, 0, 12, 1836},
    };
    for (const auto& c : cases) {
        for (auto& column : SightGrid) std::fill(std::begin(column), std::end(column), int16_t{0});
        for (auto [i, j] : c.seen) SightGrid[i][j] = 1;
        Clear(BackSurface);
        DrawSightEdges();
        bool any = false;
        for (int t : {1815, 1816, 1835, 1836, 320}) {
            const bool shown = CellShows(c.i, c.j, t);
            any = any || shown;
            if (t == c.tile) {
                EXPECT_TRUE(shown) << c.i << "," << c.j << " " << t;
            }
        }
        if (c.tile == -1) {
            EXPECT_FALSE(any) << c.i << "," << c.j;
        }
    }
}

TEST_F(MapViewTest, WildernessHeroMarkerAndHurtMark) {
    CurrentLevel.WildernessLevel = 1;
    GameState.Facing = 2;
    GameState.Hidden = 1;
    GameState.HitPoints = 2;
    Hollow(WallTiles[1734], 0);
    Draw();
    EXPECT_TRUE(CellShows(6, 6, 2218));
    EXPECT_TRUE(TileAt(HeroPixel() + 3, HeroPixel() - 19, 1734));  // food 0: hurt every turn
    GameState.Facing = 9;
    GameState.Hidden = 0;
    GameState.HeroFood = 1;
    Draw();
    EXPECT_TRUE(CellShows(6, 6, 2196));
    EXPECT_FALSE(TileAt(HeroPixel() + 3, HeroPixel() - 19, 1734));
}

TEST_F(MapViewTest, PortalSightCoversUnseenCellsToo) {
    CurrentLevel.ViewDistance = 2;
    GameState.PortalSightTurns = 3;
    Draw();
    for (int i : {0, 12})
        for (int j : {0, 6}) {
            bool any = false;
            for (int t = 1220; t <= 1224; ++t) any = any || CellShows(i, j, t);
            EXPECT_TRUE(any) << i << "," << j;
        }
}

class HeroSpriteTest : public MapViewTest {
protected:
    bool HeroFigure(int32_t picture, int dx = 0, int dy = 0) const {
        return FigureAt(HeroPixel() + dx, HeroPixel() + dy, picture);
    }
    static void Shield(int16_t item) {
        ItemTable[item].ItemType = 4;
        GameState.ItemInstances[3] = {item, 0, 0, 0, 0};
        GameState.EquipSlots[kOffhandSlot] = 3;
    }
};

TEST_F(HeroSpriteTest, FigureByPoseSexAndFacing) {
    GameState.HeroSex = 1;
    GameState.FigureFacesRight = 1;
    Draw();
    EXPECT_TRUE(HeroFigure(865));
    GameState.HeroSex = 0;
    GameState.FigureFacesRight = 0;
    const std::pair<int16_t, int32_t> poses[] = {{0, 912}, {1, 952}, {2, 918}, {3, 920}, {4, 922}};
    for (auto [mode, picture] : poses) {
        Draw(mode);
        EXPECT_TRUE(HeroFigure(picture)) << mode;
    }
    // A two-square weapon reaches into the neighbouring square.
    ItemTable[300].ItemPcIcon = 6;
    GameState.ItemInstances[2] = {300, 0, 0, 0, 0};
    GameState.EquipSlots[kWeaponSlot] = 2;
    Draw(1);
    EXPECT_TRUE(HeroFigure(937));
    EXPECT_TRUE(HeroFigure(936, -30));
    GameState.FigureFacesRight = 1;
    Draw(1);
    EXPECT_TRUE(HeroFigure(939, 30));
}

TEST_F(HeroSpriteTest, ShieldOverTheFigureOnlyWhenItHasAPicture) {
    Shield(405);
    Hollow(MonsterPictures[961], 0);
    Draw();
    EXPECT_TRUE(HeroFigure(961));
    GameState.Hidden = 1;
    Hollow(MonsterPictures[985], 1);
    Draw();
    EXPECT_TRUE(HeroFigure(985));  // 960 + 24 hidden + 1 facing left
    GameState.Hidden = 0;
    Shield(411);  // a shield without a picture draws nothing over the figure
    Draw();
    EXPECT_TRUE(HeroFigure(912));
    EXPECT_FALSE(HeroFigure(0));
}

TEST_F(HeroSpriteTest, StatesChooseTheFigure) {
    struct Case {
        const char* what;
        void (*set)();
        int32_t picture;
    };
    const Case cases[] = {
        {"magic food", [] { GameState.MagicFoodTurns = 2; }, -954},
        {"chasm", [] { SetAccess(20, 20, 1292); }, 948},
        {"falcon over a chasm",
         [] {
             SetAccess(20, 20, 1292);
             GameState.HeroForm = 2;
         },
         576},
        {"hidden on a maw with stealth 10",
         [] {
             SetAccess(20, 20, 1959);
             GameState.Hidden = 1;
             GameState.Skills[kStealth] = 10;
         },
         942},
        {"hidden on a maw with stealth 9",
         [] {
             SetAccess(20, 20, 1959);
             GameState.Hidden = 1;
             GameState.Skills[kStealth] = 9;
         },
         948},
        {"chasm with a built bridge",
         [] {
             SetAccess(20, 20, 1292);
             PutEvent(20, 20, 1270);
         },
         912},
        {"shrunk", [] { GameState.Shrunk = 1; }, 946},
        {"shrunk in zone 5",
         [] {
             GameState.Shrunk = 1;
             CurrentLevel.ZoneLayer[20 * 50 + 20] = 5;
         },
         912},
        {"stripped", [] { GameState.ItemsStripped = 1; }, 950},
        {"invisible", [] { GameState.InvisibleTurns = 3; }, 944},
        {"bear",
         [] {
             GameState.HeroForm = 4;
             GameState.FigureFacesRight = 1;
         },
         291},
    };
    const auto saved = std::make_unique<GameStateRecord>(GameState);
    for (const Case& c : cases) {
        c.set();
        if (c.picture < 0) GameState.HeroIsUndead = 1;
        Draw();
        if (c.picture < 0) {
            EXPECT_TRUE(HeroFigure(-c.picture, 1, 1)) << c.what;
            EXPECT_FALSE(HeroFigure(910, 0, -16)) << c.what;  // no undead overlay either
        } else {
            EXPECT_TRUE(HeroFigure(c.picture)) << c.what;
        }
        GameState = *saved;
        FreeLevelEventsAndScripts(0);
        SetAccess(20, 20, 1295);
        CurrentLevel.ZoneLayer[20 * 50 + 20] = 0;
    }
}

TEST_F(HeroSpriteTest, SquareOverlaysAndMarks) {
    SetAccess(20, 20, 1300);
    GameState.ActiveAura = 2;
    GameState.LostHpThisTurn = 1;
    Hollow(WallTiles[390], 15);  // below the hurt mark
    Hollow(WallTiles[2394], 14);
    Draw();
    EXPECT_TRUE(CellShows(6, 6, 390));
    EXPECT_TRUE(CellShows(6, 6, 2394));
    EXPECT_TRUE(TileAt(HeroPixel() + 3, HeroPixel() - 19, 1734));

    // Walking under a top tile: it goes over the hero.
    SetAccess(20, 20, 1296);
    CurrentLevel.TopLayer[20 * 50 + 20] = 44;
    GameState.ActiveAura = -1;
    Draw();
    EXPECT_TRUE(CellShows(6, 6, 44));
}

TEST_F(HeroSpriteTest, IdleThoughtAwayFromTheMapsEdge) {
    ShowIdleThought = 1;
    Hollow(WallTiles[1712], 0);
    Hollow(WallTiles[1733], 15);
    GameState.HeroX = 2;
    Draw();
    int16_t ox, oy;
    ComputeViewOrigin(ox, oy);
    const int32_t bx = CellPixel(2 - ox) + 15, by = HeroPixel() - 50;
    EXPECT_TRUE(TileAt(bx, by, 1712));
    EXPECT_TRUE(TileAt(bx + 30, by + 30, 1733));
    GameState.HeroX = 1;
    Draw();
    EXPECT_FALSE(TileAt(CellPixel(1) + 15, by, 1712));
}

}  // namespace
