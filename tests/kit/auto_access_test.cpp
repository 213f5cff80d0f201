// The automatic access of painted tiles: the rows and counts the editor's users rely on.
#include "kit/level/auto_access.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(AutoAccess, GivenRowsAndCounts) {
    std::map<int16_t, int> count;
    for (int16_t v : AutoAccessTable) ++count[v];
    EXPECT_EQ(count, (std::map<int16_t, int>{{3, 777}, {4, 180}, {5, 1165}, {6, 229}, {7, 44}}));

    const int water[] = {200,  202,  203,  205,  206,  209,  210,  211,  212,  214,  215,  222,  223,  225,  226,
                         227,  228,  231,  232,  234,  235,  1065, 1066, 1067, 1068, 1069, 1070, 1073, 1086, 1087,
                         1090, 1093, 1180, 1182, 1183, 1184, 1194, 1196, 1197, 1198, 1549, 1565, 1568, 1586};
    for (int t : water) EXPECT_EQ(AutoAccessTable[size_t(t)], 7) << "tile " << t;
    for (int t = 0; t <= 17; ++t) EXPECT_EQ(AutoAccessTable[size_t(t)], 3) << "tile " << t;
    EXPECT_EQ(AutoAccessTable[18], 5);
    EXPECT_EQ(AutoAccessTable[28], 6);
    EXPECT_EQ(AutoAccessTable[29], 4);
    for (int t = 1220; t <= 1399; ++t) EXPECT_EQ(AutoAccessTable[size_t(t)], 3) << "tile " << t;
    for (int t = 2240; t <= 2314; ++t) EXPECT_EQ(AutoAccessTable[size_t(t)], 5) << "tile " << t;
    std::map<int16_t, int> last;
    for (int t = 2315; t <= 2394; ++t) ++last[AutoAccessTable[size_t(t)]];
    EXPECT_EQ(last, (std::map<int16_t, int>{{4, 5}, {5, 57}, {6, 18}}));
}

TEST(AutoAccess, Categories) {
    const struct {
        int16_t tile, category;
    } cases[] = {{1, 0}, {1556, 0}, {80, 1}, {28, 2}, {200, 3}, {924, 4}, {1400, 5}, {240, 6}, {360, 7},
                 {411, 8}, {845, 14}, {971, 15}, {1065, 16}, {2315, 23}, {2369, 23}, {2001, 24}, {1991, 25},
                 {2240, 26}, {2314, 26}, {0, -1}, {1226, -1}, {1295, -1}, {1380, -1}, {-1, -1}, {2395, -1}};
    for (const auto& c : cases) EXPECT_EQ(TileCategory(c.tile), c.category) << "tile " << c.tile;
}

}  // namespace
