// The monster layer: the five footprint sizes with their clips at the view's edge, monsters
// reaching in, boats and barriers, hit bars, effect marks and the hero's fear.
#include "view/monster_layer.h"

#include "adventure/encounters.h"
#include "combat/monster_turn.h"
#include "data/monster_records.h"
#include "tests/view/view_test.h"
#include "view/play_screen.h"

namespace {

class MonsterLayerTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        for (auto& column : SightGrid) std::fill(std::begin(column), std::end(column), int16_t{1});
        Clear(BackSurface);
    }
    void TearDown() override {
        StrikingEncounter = -1;
        ViewTest::TearDown();
    }
    // Monster m (its own picture) as encounter e anchored on (x, y).
    static Encounter& Place(int16_t e, int16_t m, int16_t picture, int16_t x, int16_t y, int16_t facing = 0) {
        MonsterTable[size_t(m)].MonsterPicture = picture;
        Encounter& r = GameState.EncounterList[e];
        r.Kind = 3;
        r.Monster = m;
        r.Facing = facing;
        r.Hp = r.HpMax = 10;
        MarkFootprint(x, y, PictureSizeClass(picture), e);
        return r;
    }
    // The window at origin (14, 14), as for the hero at (20, 20).
    static void Layer() { DrawMonsterLayer(14, 14, 0, -1, -1); }
    static bool Part(int i, int j, int16_t picture, const Rect& part, int dx = 0, int dy = 0) {
        return PartAt(CellPixel(i) + dx, CellPixel(j) + dy, MonsterPictures[size_t(picture)], part);
    }
    static bool Blank(int32_t x, int32_t y, int32_t w, int32_t h) {
        for (int r = 0; r < h; ++r)
            for (int c = 0; c < w; ++c)
                if (BackSurface->Row(y + r)[x + c] != 0) return false;
        return true;
    }
    static int FilledColumns(int32_t x, int32_t y, int width) {
        int n = 0;
        for (int c = 0; c < width; ++c) n += Shows(BackSurface, x + c, y, HorizontalGaugeStripes[0]);
        return n;
    }
};

TEST_F(MonsterLayerTest, SizeClassesAndTheirClipsAtTheEdge) {
    Place(0, 1, 100, 16, 16);   // one square at cell (2, 2)
    Place(1, 2, 1008, 26, 18);  // two wide in column 12
    Place(2, 3, 1140, 18, 26);  // two tall in row 12
    Place(3, 4, 1236, 26, 26);  // 2 x 2 in the corner
    Place(4, 5, 1356, 25, 14);  // 3 x 3 anchored in column 11
    Place(5, 6, 1236, 16, 20);  // 2 x 2 whole
    Layer();
    EXPECT_TRUE(Part(2, 2, 100, {0, 0, 30, 23}));  // its bar below
    EXPECT_TRUE(Part(12, 4, 1008, {0, 0, 32, 23}));
    EXPECT_EQ(FilledColumns(CellPixel(12), CellPixel(4) + 23, 20), 20);
    EXPECT_TRUE(Blank(CellPixel(12) + 32, CellPixel(4), 30, 20));
    EXPECT_TRUE(Part(4, 12, 1140, {0, 0, 30, 32}));
    EXPECT_TRUE(Blank(CellPixel(4), CellPixel(12) + 32, 30, 20));  // nor its bar
    EXPECT_TRUE(Part(12, 12, 1236, {0, 0, 32, 32}));
    EXPECT_TRUE(Part(11, 0, 1356, {0, 0, 29, 29}, 3, 3));
    EXPECT_TRUE(Part(12, 1, 1356, {31, 31, 63, 60}, 0, 0));  // its last rows lie under the piece below
    EXPECT_TRUE(Blank(CellPixel(13), CellPixel(0) + 3, 10, 29));  // no third column
    EXPECT_TRUE(Part(2, 6, 1236, {0, 0, 61, 54}));
    EXPECT_EQ(FilledColumns(CellPixel(2), CellPixel(6) + 54, 40), 40);
}

TEST_F(MonsterLayerTest, OnlyTheAnchorCellDecides) {
    Place(0, 1, 1236, 20, 20);
    SightGrid[6][6] = 0;  // the anchor is unseen, the other three squares are seen
    Layer();
    EXPECT_TRUE(Blank(CellPixel(6), CellPixel(6), 64, 64));
}

TEST_F(MonsterLayerTest, LargeMonstersReachInFromOutside) {
    Place(0, 1, 1236, 13, 13);  // 2 x 2 above-left: its lower-right quarter in cell (0, 0)
    Place(1, 2, 1008, 13, 20);  // two wide left of column 0
    Place(2, 3, 1140, 20, 13);  // two tall above row 0
    Place(3, 4, 1356, 12, 20);  // 3 x 3 outside: not drawn
    MonsterTable[1].MonsterFearInducing = 1;
    Layer();
    EXPECT_TRUE(Part(0, 0, 1236, {30, 30, 61, 61}));
    EXPECT_TRUE(Part(0, 6, 1008, {30, 0, 61, 30}));
    EXPECT_TRUE(Part(6, 0, 1140, {0, 30, 30, 61}));
    EXPECT_TRUE(Blank(CellPixel(0), CellPixel(9), 32, 32));
    EXPECT_EQ(GameState.Fear, 0u);  // reaching in does not frighten

    GameState.MonsterGrid[13 * 50 + 20] = -1;
    GameState.MonsterGrid[14 * 50 + 20] = -1;
    Place(1, 1, 100, 14, 20);
    Layer();
    EXPECT_EQ(GameState.Fear, 1u);
}

TEST_F(MonsterLayerTest, FearKeepsItsValueWhileTheViewIsCovered) {
    MonsterTable[1].MonsterFearInducing = 1;
    Place(0, 1, 100, 22, 20);
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    EXPECT_EQ(GameState.Fear, 1u);
    ClearEncounterSquares(0);
    DrawPlayScreen(1, 0, 0, -1, -1, 0);
    EXPECT_EQ(GameState.Fear, 1u);
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    EXPECT_EQ(GameState.Fear, 0u);
}

TEST_F(MonsterLayerTest, BarsMarksAndTheAttackPicture) {
    Encounter& r = Place(0, 1, 100, 16, 16, 3);
    r.Hp = 5;
    r.AttackPenalty = 2;
    r.Paralysed = 1;
    StrikingEncounter = 0;
    Layer();
    EXPECT_TRUE(Shows(BackSurface, CellPixel(2), CellPixel(2) + 2, DigitPictures[0]));
    EXPECT_TRUE(Shows(BackSurface, CellPixel(2) + 6, CellPixel(2) + 2, DigitPictures[4]));
    EXPECT_EQ(FilledColumns(CellPixel(2), CellPixel(2) + 23, 20), 10);

    // The attack picture: facing right shows the picture before.
    Clear(BackSurface);
    r.AttackPenalty = r.Paralysed = 0;
    Layer();
    EXPECT_TRUE(Part(2, 2, 102, {0, 0, 30, 23}));
    StrikingEncounter = -1;
    Layer();
    EXPECT_TRUE(Part(2, 2, 103, {0, 0, 30, 23}));

    // Hit bars of every case, a maximum of 0 included.
    const struct {
        int16_t hp, max, kind;
        int filled;
    } bars[] = {{10, 10, 0, 20}, {0, 10, 0, 0}, {5, 10, 3, 20}, {12, 10, 0, 20}, {4, 0, 0, 0}, {-3, 10, 3, 0}};
    for (const auto& b : bars) {
        Clear(BackSurface);
        DrawHitBar(b.hp, b.max, 100, 100, b.kind);
        const int width = b.kind == 3 ? 40 : 20;
        EXPECT_EQ(FilledColumns(100, 100, width + 2), b.filled) << b.hp << "/" << b.max;
        EXPECT_TRUE(Shows(BackSurface, 100 + width - 1, 100, HorizontalGaugeStripes[b.filled == width ? 0 : 1]));
    }
}

TEST_F(MonsterLayerTest, BarrierStages) {
    const struct {
        int16_t hp, max, tile;
    } stages[] = {{20, 30, 1870}, {19, 30, 1850}, {10, 30, 1850}, {9, 30, 1830}, {0, 0, 1870}};
    Encounter& barrier = GameState.EncounterList[0];
    barrier.Kind = 4;
    GameState.MonsterGrid[16 * 50 + 16] = 0;
    for (const auto& s : stages) {
        barrier.Hp = s.hp;
        barrier.HpMax = s.max;
        Clear(BackSurface);
        Layer();
        EXPECT_TRUE(PartAt(CellPixel(2), CellPixel(2), WallTiles[s.tile], {0, 0, 32, 23})) << s.hp << "/" << s.max;
    }

}

}  // namespace
