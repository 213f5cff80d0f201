// The pickers' constant tables: the 27 wall tile grids against the facts of each category,
// and the 82 event types on their pages.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <utility>

#include "events/event_dispatch.h"
#include "kit/level/auto_access.h"
#include "kit/level/tile_pickers.h"

namespace {

int16_t CellOf(int c, int i, int j) { return WallTileGrids[size_t(c)][size_t(j * 15 + i)]; }

// Where a tile stands in a grid, or (-1, -1).
std::pair<int, int> Find(int c, int16_t tile) {
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 15; ++i)
            if (CellOf(c, i, j) == tile) return {i, j};
    return {-1, -1};
}

bool IsWallOrFloorTile(int t) {
    const std::set<int> others = {256, 407, 408, 409, 1628, 1664, 1959, 1979, 2139};
    return ((t >= 0 && t <= 1219) || (t >= 1400 && t <= 2394)) && !others.count(t);
}

TEST(WallTileGrids, EachCategoryHoldsItsCountRangeAndRows) {
    const struct {
        int tiles, lowest, highest;
        std::set<int> rows;
    } facts[27] = {
        {101, 1, 1928, {0, 1, 2, 3, 4, 5, 6, 7}},    {78, 80, 1741, {0, 1, 2, 3, 4, 5, 6, 7}},
        {104, 28, 1843, {0, 1, 2, 3, 4, 5, 6, 7}},   {71, 65, 1763, {1, 2, 3, 4, 5, 6, 7}},
        {48, 1, 1895, {0, 1, 2, 4, 5, 6, 7}},        {96, 387, 2354, {0, 1, 2, 3, 4, 5, 6, 7}},
        {78, 240, 2220, {0, 1, 2, 3, 4, 5, 6, 7}},   {32, 290, 1796, {0, 1, 2, 3, 5, 6}},
        {62, 234, 2111, {0, 1, 2, 3, 4, 5, 6, 7}},   {113, 367, 1526, {0, 1, 2, 3, 4, 5, 6, 7}},
        {110, 18, 2212, {0, 1, 2, 3, 4, 5, 6, 7}},   {114, 291, 1983, {0, 1, 2, 3, 4, 5, 6, 7}},
        {39, 220, 2037, {0, 1, 2, 3, 4, 5, 6, 7}},   {46, 40, 2210, {1, 3, 4, 5, 6, 7}},
        {58, 410, 2239, {0, 2, 3, 5, 6, 7}},         {33, 971, 2235, {1, 2, 3, 5}},
        {76, 315, 1851, {0, 1, 2, 3, 4, 5, 6, 7}},   {78, 16, 2188, {0, 1, 2, 3, 4, 5, 6, 7}},
        {41, 614, 2190, {1, 2, 4, 5, 6}},            {82, 36, 2095, {1, 2, 3, 4, 5, 6, 7}},
        {60, 10, 1912, {0, 1, 2, 3, 4, 5, 6, 7}},    {79, 384, 2192, {0, 1, 2, 3, 4, 5, 6, 7}},
        {89, 355, 2154, {0, 1, 2, 3, 4, 5, 6, 7}},   {45, 2315, 2369, {1, 2, 4, 5, 6, 7}},
        {92, 1965, 2150, {0, 1, 2, 3, 4, 5, 6, 7}},  {70, 1961, 2179, {1, 2, 3, 4, 5, 6, 7}},
        {75, 2240, 2314, {1, 2, 3, 4, 5}},
    };
    for (int c = 0; c < 27; ++c) {
        int filled = 0, lowest = 9999, highest = -1;
        std::set<int> rows;
        for (int j = 0; j < 8; ++j)
            for (int i = 0; i < 15; ++i) {
                const int16_t t = CellOf(c, i, j);
                if (t == -1) continue;
                ++filled;
                lowest = std::min<int>(lowest, t);
                highest = std::max<int>(highest, t);
                rows.insert(j);
            }
        EXPECT_EQ(filled, facts[c].tiles) << "category " << c;
        EXPECT_EQ(lowest, facts[c].lowest) << "category " << c;
        EXPECT_EQ(highest, facts[c].highest) << "category " << c;
        EXPECT_EQ(rows, facts[c].rows) << "category " << c;
    }
}

TEST(WallTileGrids, TotalsSharedTilesAndDoubles) {
    std::map<int, std::set<int>> categoriesOf;
    int filled = 0;
    std::map<int, std::vector<int>> doubled;  // category -> tiles standing twice in it
    for (int c = 0; c < 27; ++c) {
        std::map<int, int> seen;
        for (int16_t t : WallTileGrids[size_t(c)]) {
            if (t == -1) continue;
            ++filled;
            categoriesOf[t].insert(c);
            if (++seen[t] == 2) doubled[c].push_back(t);
        }
    }
    EXPECT_EQ(filled, 1970);
    EXPECT_EQ(categoriesOf.size(), 1927u);
    int shared = 0;
    for (const auto& [t, cs] : categoriesOf) shared += cs.size() > 1;
    EXPECT_EQ(shared, 39);
    EXPECT_EQ(doubled, (std::map<int, std::vector<int>>{{3, {220}}, {6, {259}}, {10, {684}}}));
}

// A pick looks like its tab: the role table puts every tile into one of its categories.
TEST(WallTileGrids, EveryCellIsAWallOrFloorTileOfItsFamily) {
    std::map<int, std::set<int>> categoriesOf;
    for (int c = 0; c < 27; ++c)
        for (int16_t t : WallTileGrids[size_t(c)])
            if (t != -1) categoriesOf[t].insert(c);
    for (const auto& [t, cs] : categoriesOf) {
        EXPECT_TRUE(IsWallOrFloorTile(t)) << "tile " << t;
        EXPECT_TRUE(cs.count(TileCategory(int16_t(t)))) << "tile " << t << " has family " << TileCategory(int16_t(t));
    }
}

TEST(WallTileGrids, StatedFragments) {
    const int ground[] = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 13, 14, 15, 7, 1556};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(CellOf(0, i, 0), ground[i]) << "Ground cell " << i;

    const int water1[] = {200, 201, 202, 203, 204, 205, 206, 207, 208, 1545, 1546, 211, 212, 216, 217};
    const int water2[] = {220, 221, 222, 223, 224, 225, 226, 227, 228, 1565, 1566, 231, 232, 236, 237};
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(CellOf(3, i, 1), water1[i]) << "Water row 1 cell " << i;
        EXPECT_EQ(CellOf(3, i, 2), water2[i]) << "Water row 2 cell " << i;
    }

    // Statues: 2 x 2 blocks (top-left tile, the step from a tile to the one below it)
    for (auto [first, below] : {std::pair{845, 20}, std::pair{847, 20}, std::pair{2229, 2}, std::pair{2236, 2}}) {
        const auto [i, j] = Find(14, int16_t(first));
        ASSERT_GE(i, 0) << first;
        EXPECT_EQ(CellOf(14, i + 1, j), first + 1);
        EXPECT_EQ(CellOf(14, i, j + 1), first + below);
        EXPECT_EQ(CellOf(14, i + 1, j + 1), first + below + 1);
    }

    // Runic: three columns three tall in rows 1..3, then the row of 1571, 1572, 1714..1718
    for (auto [top, wide] : {std::pair{971, 1}, std::pair{2193, 3}, std::pair{1455, 3}}) {
        const auto [i, j] = Find(15, int16_t(top));
        EXPECT_EQ(j, 1) << top;
        for (int r = 0; r < 3; ++r)
            for (int k = 0; k < wide; ++k) EXPECT_EQ(CellOf(15, i + k, 1 + r), top + 20 * r + k) << top;
    }
    int lastColumn = -1;
    for (int t : {1571, 1572, 1714, 1715, 1716, 1717, 1718}) {
        const auto [i, j] = Find(15, int16_t(t));
        EXPECT_EQ(j, 5) << t;
        EXPECT_GT(i, lastColumn) << t;
        lastColumn = i;
    }

    // VX3 exactly
    std::map<std::pair<int, int>, int> vx3;
    for (int k = 0; k < 13; ++k) {
        vx3[{1 + k, 1}] = 2315 + k;
        vx3[{1 + k, 4}] = 2335 + k;
        vx3[{1 + k, 5}] = 2355 + k;
    }
    vx3[{1, 2}] = 2328, vx3[{2, 2}] = 2329, vx3[{1, 6}] = 2348, vx3[{2, 6}] = 2349, vx3[{1, 7}] = 2368,
                 vx3[{2, 7}] = 2369;
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 15; ++i) {
            const auto at = vx3.find({i, j});
            EXPECT_EQ(CellOf(23, i, j), at == vx3.end() ? -1 : at->second) << "VX3 " << i << "," << j;
        }

    // Wild1: sheet blocks on rows 2..7, row 2 from cell 1, cells 11..14 empty
    const int wildRows[] = {2001, 2020, 2040, 2060, 2080, 2100};
    for (int r = 0; r < 6; ++r) {
        for (int i = 0; i < 15; ++i) {
            int expected = -1;
            if (r == 0 && i >= 1 && i <= 10) expected = 2001 + i - 1;
            if (r > 0 && i <= 10) expected = wildRows[r] + i;
            EXPECT_EQ(CellOf(24, i, 2 + r), expected) << "Wild1 " << i << "," << 2 + r;
        }
    }

    // Wild2: cells 1..6 of rows 2..6, and 2017 and 2057 after their rows
    const int wild2[] = {1991, 2011, 2031, 2051, 2071};
    for (int r = 0; r < 5; ++r)
        for (int i = 1; i <= 6; ++i) EXPECT_EQ(CellOf(25, i, 2 + r), wild2[r] + i - 1) << "Wild2 " << i << "," << 2 + r;
    EXPECT_EQ(CellOf(25, 7, 3), 2017);
    EXPECT_EQ(CellOf(25, 7, 5), 2057);

    // Custom: rows 1..5 whole, the module's tiles in order
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 15; ++i)
            EXPECT_EQ(CellOf(26, i, j), j >= 1 && j <= 5 ? 2240 + 15 * (j - 1) + i : -1) << "Custom " << i << "," << j;
}

TEST(EventTiles, EveryTypeOnItsPageWithTheGameName) {
    // The pages' contents in slot order.
    const std::vector<int16_t> pages[14] = {
        {1226, 1227, 1279, 1230, 1231, 1232, 1283, 1336, 1339},
        {1233, 1234, 1235},
        {1236, 1237, 1238, 1239, 1290, 1399, 1664, 2139},
        {1240, 1241, 1242, 1243, 1244, 1245, 1287, 1282},
        {1246, 1247, 1333, 1330, 256},
        {1248, 1249, 1250, 1251, 1252, 1253, 1254, 1255, 1328},
        {1256, 1257, 1289, 1288},
        {1258, 1259, 1260, 1261, 1264, 1265, 1335, 1286, 1332},
        {1262, 1228, 1263, 1269},
        {1266, 1267, 1268, 1270, 1271, 1280, 1337, 1628},
        {1272, 1273, 1284, 1285},
        {1274, 1275, 1276, 1229},
        {1277, 1278},
        {1281, 1334, 1329, 1331, 1338},
    };
    std::set<int16_t> placed;
    for (int16_t p = 0; p < 14; ++p) {
        for (int16_t s = 0; s < 9; ++s) {
            const int16_t expected = s < int16_t(pages[p].size()) ? pages[p][size_t(s)] : -1;
            EXPECT_EQ(EventTileAt(p, s), expected) << "page " << p << " slot " << s;
            if (expected < 0) continue;
            placed.insert(expected);
            const EventTile* e = FindEventTile(expected);
            ASSERT_NE(e, nullptr) << expected;
            EXPECT_EQ(e->page, p);
            EXPECT_EQ(e->slot, s);
        }
    }
    EXPECT_EQ(placed.size(), 82u);
    EXPECT_EQ(EventTileAt(1, 3), -1);
    EXPECT_EQ(EventTileAt(14, 0), -1);
    EXPECT_EQ(EventTileAt(0, 9), -1);
    EXPECT_EQ(FindEventTile(1291), nullptr);
    EXPECT_EQ(FindEventTile(1300), nullptr);

    // The names as the tile number space lists them, each with " EVENT" after it.
    std::istringstream list(
        "256 WILDERNESS COMBAT, 1226 PUSH TEXT, 1227 STEP TEXT, 1228 USE ITEM FROM BACKPACK, 1229 AUTO-PILOT PC, "
        "1230 RUNE, 1231 HIEROGLYPH, 1232 HERALDRY SIGN, 1233 SIMPLE DOOR, 1234 COMPLEX DOOR, 1235 SECRET DOOR, "
        "1236 PORTAL, 1237 DIG PORTAL, 1238 MODULE ACCESS, 1239 PENTA-PORTAL, 1240 ONE ITEM, 1241 ITEMS CACHE, "
        "1242 CHEST, 1243 SEARCH, 1244 FOOD, 1245 PRISE, 1246 SCRIPT, 1247 MONSTER, 1248 SHOP, 1249 INN, 1250 BANK, "
        "1251 VAULT, 1252 TEMPLE, 1253 TRAIN, 1254 SEER, 1255 CASINO, 1256 TRAP, 1257 PIT, 1258 TRIGGER, "
        "1259 PRESSURE PAD, 1260 SWITCH, 1261 TOGGLE, 1262 USE SPELL, 1263 USE ITEM, 1264 GET ANSWER, 1265 IF ASLEEP, "
        "1266 CRACK, 1267 CLIMB, 1268 HIDE, 1269 IF GOT, 1270 BRIDGE, 1271 MUSHROOM, 1272 STAT PLUS, 1273 FORGE, "
        "1274 BOAT, 1275 PUSH, 1276 RESET PUSH, 1277 BEAM, 1278 USE LENS, 1279 GHOST TEXT, 1280 PUZZLE, 1281 ALT TILE, "
        "1282 BURIED CACHE, 1283 FLOOR TEXT, 1284 SWAP ITEM, 1285 BED, 1286 DMF2, 1287 LAMP, 1288 ELEMENTAL DAMAGE, "
        "1289 THIN CRUST, 1290 ELEVATOR, 1328 RECHARGE WAND SERVICE, 1329 RETRIEVE, 1330 ACTIVATE SCRIPT, "
        "1331 SMOKE SIGNAL, 1332 SPLAT, 1333 SPAWN, 1334 WATER ROOTS, 1335 DANCE!, 1336 COLOUR TEXT, 1337 CHOP TREE, "
        "1338 TIME LOOP, 1339 VISION, 1399 TELEXY, 1628 RUNE RIDDLE, 1664 COACH, 2139 WILD PORTAL");
    std::string entry;
    int named = 0;
    while (std::getline(list, entry, ',')) {
        std::istringstream in(entry);
        int16_t number;
        std::string name;
        in >> number;
        std::getline(in >> std::ws, name);
        const EventType* type = FindEventType(number);
        ASSERT_NE(type, nullptr) << number;
        EXPECT_EQ(type->name, name + " EVENT");
        EXPECT_NE(FindEventTile(number), nullptr) << number;
        ++named;
    }
    EXPECT_EQ(named, 82);
}

}  // namespace
