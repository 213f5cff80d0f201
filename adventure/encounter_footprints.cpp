#include "data/game_state.h"
#include "encounters.h"

int16_t PictureSizeClass(int16_t picture) {
    struct Run {
        int16_t last;
        int16_t sizeClass;
    };
    static constexpr Run runs[] = {{1007, 0}, {1139, 1}, {1235, 2}, {1355, 6}, {1363, 9},
                                   {1747, 0}, {1763, 1}, {1779, 2}, {1795, 6}};
    if (picture < 0) return 0;
    for (const Run& r : runs)
        if (picture <= r.last) return r.sizeClass;
    return 0;
}

void MarkFootprint(int16_t x, int16_t y, int16_t sizeClass, int16_t encounter) {
    int w = 1, h = 1;
    switch (sizeClass) {
        case 1: w = 2; break;
        case 2: h = 2; break;
        case 6: w = h = 2; break;
        case 9: w = h = 3; break;
        default: break;
    }
    for (int i = 0; i < w; ++i)
        for (int j = 0; j < h; ++j) {
            const int sx = x + i, sy = y + j;
            if (sx < 0 || sx > 49 || sy < 0 || sy > 49) continue;
            int16_t& cell = GameState.MonsterGrid[sx * 50 + sy];
            if (cell == -1 || cell == encounter) cell = encounter;
        }
}

void ClearEncounterSquares(int16_t encounter) {
    for (int16_t& cell : GameState.MonsterGrid)
        if (cell == encounter) cell = -1;
}
