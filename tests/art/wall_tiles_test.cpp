// The built wall tiles as the game loads them: opaque where they are drawn opaque, see-through
// where they are laid over other tiles, joined where several make one picture, and the states
// of a thing told apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "art/tile_roles.h"
#include "platform/resources.h"

namespace {

constexpr uint16_t kKey565 = 0x7B2C;  // RGB(126, 102, 102) in 5-6-5

class WallTiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FindSheet("VWALL", sheet_)); }

    // Pixel (x, y) of tile t as the sheet holds it.
    uint16_t At(int t, int x, int y) const {
        const int r = t < 2240 ? t / 20 : 112 + (t - 2315) / 20, c = t < 2240 ? t % 20 : (t - 2315) % 20;
        return sheet_.pixels[size_t(33 * r + 1 + y) * size_t(sheet_.width) + size_t(33 * c + 1 + x)];
    }
    int KeyPixels(int t) const {
        int n = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) n += At(t, x, y) == kKey565;
        return n;
    }
    static int Distance(uint16_t a, uint16_t b) {
        return std::abs((a >> 11) - (b >> 11)) * 2 + std::abs(((a >> 5) & 63) - ((b >> 5) & 63)) + std::abs((a & 31) - (b & 31)) * 2;
    }
    // Mean colour step across the line between column (or row) i and j of two tiles, and the
    // share of places where one side is see-through and the other not.
    struct Seam {
        double step;
        double broken;
    };
    Seam Across(int a, int b, bool vertical) const {
        double step = 0;
        int both = 0, broken = 0, any = 0;
        for (int k = 0; k < 32; ++k) {
            const uint16_t p = vertical ? At(a, k, 31) : At(a, 31, k);
            const uint16_t q = vertical ? At(b, k, 0) : At(b, 0, k);
            const bool pk = p == kKey565, qk = q == kKey565;
            if (!pk || !qk) ++any;
            if (pk != qk) ++broken;
            if (!pk && !qk) {
                step += Distance(p, q);
                ++both;
            }
        }
        return {both ? step / both : 0.0, any ? double(broken) / any : 0.0};
    }
    ResourceSheet sheet_;
};

// The automap's 8 x 8 tiles are the 32 x 32 tiles made small, but for its own markers.
TEST_F(WallTiles, MiniTilesAreTheTilesMadeSmall) {
    ResourceSheet minis;
    ASSERT_TRUE(FindSheet("VMINIWALL", minis));
    auto mini = [&](int t, int x, int y) {
        const int r = t < 2240 ? t / 20 : 112 + (t - 2315) / 20, c = t < 2240 ? t % 20 : (t - 2315) % 20;
        return minis.pixels[size_t(9 * r + 1 + y) * size_t(minis.width) + size_t(9 * c + 1 + x)];
    };
    // how far the mini tile is from the mean of each 4 x 4 block of the tile
    auto away = [&](int t) {
        int worst = 0;
        for (int by = 0; by < 8; ++by)
            for (int bx = 0; bx < 8; ++bx) {
                int r = 0, g = 0, b = 0, n = 0;
                for (int y = 0; y < 4; ++y)
                    for (int x = 0; x < 4; ++x) {
                        const uint16_t p = At(t, 4 * bx + x, 4 * by + y);
                        if (p == kKey565) continue;
                        r += p >> 11, g += (p >> 5) & 63, b += p & 31, ++n;
                    }
                const uint16_t m = mini(t, bx, by);
                if (n < 8) {
                    worst = std::max(worst, m == kKey565 ? 0 : 99);
                    continue;
                }
                const uint16_t mean = uint16_t((r / n) << 11 | (g / n) << 5 | (b / n));
                worst = std::max(worst, Distance(m, mean));
            }
        return worst;
    };
    for (int t : {1, 80, 205, 591, 1400, 1420, 1531, 2001, 2394}) EXPECT_LE(away(t), 8) << "mini tile " << t;
    for (int t : {1380, 1381, 1382, 1383, 1384, 1385}) EXPECT_GT(away(t), 8) << "mini tile " << t << " is a marker";
}

TEST_F(WallTiles, TransparencyFollowsTheRole) {
    EXPECT_EQ(KeyPixels(0), 32 * 32) << "tile 0 is the empty top layer";
    for (int t = 0; t < kTileCount; ++t) {
        if (t >= 2240 && t <= 2314) continue;  // the module's own sheet
        const TileRole role = TileClasses[size_t(t)].role;
        if (IsOpaqueRole(role)) {
            EXPECT_EQ(KeyPixels(t), 0) << "opaque tile " << t;
        } else if (role == kRoleMark || role == kRoleOverhang) {
            EXPECT_GE(KeyPixels(t), 32 * 32 / 4) << "overlay tile " << t;
        }
    }
}

TEST_F(WallTiles, FullScreenFillsRepeatWithoutSeams) {
    for (int t : {1327, 320, 400, 1698}) {
        EXPECT_EQ(KeyPixels(t), 0) << t;
        double inside = 0, wrap = 0;
        for (int k = 0; k < 32; ++k) {
            wrap += Distance(At(t, 31, k), At(t, 0, k)) + Distance(At(t, k, 31), At(t, k, 0));
            for (int x = 0; x < 31; ++x) inside += Distance(At(t, x, k), At(t, x + 1, k)) + Distance(At(t, k, x), At(t, k, x + 1));
        }
        EXPECT_LE(wrap / 64, inside / (64 * 31) * 2 + 1) << "tile " << t << " shows a seam where it repeats";
    }
}

TEST_F(WallTiles, PiecesOfOnePictureJoin) {
    const struct {
        int a, b;
        bool vertical;  // b below a; else b right of a
    } seams[] = {
        {1400, 1420, true}, {1404, 1405, false}, {1404, 1424, true}, {1405, 1425, true}, {740, 760, true},  // trees
        {749, 769, true},   {255, 275, true},    {378, 398, true},   {1750, 1770, true},                    // tall things
        {845, 846, false},  {845, 865, true},    {855, 875, true},   {2229, 2230, false}, {2229, 2231, true},  // statues
        {971, 991, true},   {991, 1011, true},   {1455, 1475, true}, {2193, 2213, true},                      // columns
        {1180, 1181, false}, {1181, 1182, false}, {1184, 1181, true}, {1181, 1183, true}, {1194, 1195, false},  // boats
        {1771, 1791, true}, {1791, 1811, true},  {1759, 1799, false}, {1799, 1739, false},
        {1792, 1793, false}, {1792, 1812, true}, {1794, 1814, true}, {1832, 1833, false},                    // splashes
        {960, 961, false},  {961, 962, false},   {960, 980, true},   {980, 1000, true},                       // the arena fence
    };
    for (const auto& s : seams) {
        const Seam seam = Across(s.a, s.b, s.vertical);
        EXPECT_LE(seam.broken, 0.25) << s.a << " / " << s.b << ": the outline breaks at the shared edge";
        EXPECT_LE(seam.step, 40.0) << s.a << " / " << s.b << ": the colours jump at the shared edge";
    }
}

// Lake pieces laid by their shores make one water: where two meet with no shore between them
// the water runs on unbroken, and a shore meets the grassland beside it.
TEST_F(WallTiles, LakePiecesJoinIntoOneWater) {
    constexpr int kGrassland = 1965;
    for (const LakePiece& a : kLakePieces)
        for (const bool vertical : {false, true}) {
            const uint8_t out = vertical ? kShoreSouth : kShoreEast, in = vertical ? kShoreNorth : kShoreWest;
            if (a.shore & out) {
                EXPECT_LE(Across(a.tile, kGrassland, vertical).step, 25.0) << a.tile << ": the shore meets the grass";
                continue;
            }
            // Neighbours along the side carry on its shores across it.
            const uint8_t across = vertical ? kShoreEast | kShoreWest : kShoreNorth | kShoreSouth;
            for (const LakePiece& b : kLakePieces)
                if (!(b.shore & in) && (a.shore & across) == (b.shore & across)) {
                    EXPECT_LE(Across(a.tile, b.tile, vertical).step, 12.0)
                        << a.tile << " / " << b.tile << (vertical ? " below" : " beside") << ": the water breaks";
                }
        }
}

TEST_F(WallTiles, StatesOfAThingDiffer) {
    const int pairs[][2] = {
        {1531, 496}, {1532, 497}, {1533, 498}, {1534, 499}, {1537, 516}, {1136, 1218}, {1104, 1149},  // doors shut / open
        {1470, 1471}, {565, 566}, {568, 569}, {517, 518}, {1112, 1113}, {571, 572}, {915, 916}, {562, 563},  // chests
        {1470, 1472}, {517, 519},                                                                      // closed / bashed
        {713, 714}, {715, 716}, {732, 733}, {718, 719}, {717, 1526}, {491, 511},                        // switches
        {673, 674}, {720, 33}, {662, 108}, {1787, 1788}, {1730, 1731}, {2181, 2182}, {678, 728},         // whole / broken
    };
    for (const auto& p : pairs) {
        int differ = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) differ += Distance(At(p[0], x, y), At(p[1], x, y)) > 12;
        EXPECT_GE(differ, 32 * 32 / 10) << p[0] << " and " << p[1] << " look alike";
    }
}

// Pictures that stay when what they stand for has changed show no state of their own: the mark
// of a spotted secret door is still drawn once the door stands open, with the hero in the
// doorway, and the campaign's altar (656) is still drawn once the seal on it has been taken.
TEST_F(WallTiles, PicturesThatOutliveAChangeShowNone) {
    int marked = 0, onTheAltar = 0;
    for (int y = 14; y < 30; ++y)
        for (int x = 9; x < 23; ++x) marked += At(1315, x, y) != kKey565;
    EXPECT_EQ(marked, 0) << "the secret door's mark covers the middle of the doorway";
    for (int y = 2; y < 11; ++y)
        for (int x = 12; x < 21; ++x) onTheAltar += At(656, x, y) != kKey565;
    EXPECT_EQ(onTheAltar, 0) << "something stands on the altar between its candles";
}

// The 2 x 2 picture where the hero's things wait and where the shop takes what he sells is the
// chest the sell screen names: a box whose sides stand straight.
TEST_F(WallTiles, TheSellScreensChestIsABox) {
    auto at = [&](int x, int y) { return At(1323 + 2 * (y / 32) + x / 32, x % 32, y % 32); };
    auto ends = [&](int y) {
        int left = 64, right = -1;
        for (int x = 0; x < 64; ++x)
            if (at(x, y) != kKey565) left = std::min(left, x), right = std::max(right, x);
        return std::pair{left, right};
    };
    const auto [left, right] = ends(36);
    EXPECT_GE(right - left, 40);
    for (int y = 37; y < 53; ++y) EXPECT_EQ(ends(y), std::pair(left, right)) << "row " << y;
}

}  // namespace
