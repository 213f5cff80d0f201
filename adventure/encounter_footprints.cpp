#include "data/game_state.h"
#include "data/level.h"
#include "encounters.h"
#include "platform/message_boxes.h"

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

namespace {

void MarkSquare(int x, int y, int16_t encounter) {
    if (!OnMap(x, y)) return;
    int16_t& cell = GameState.MonsterGrid[x * 50 + y];
    if (cell == -1 || cell == encounter) cell = encounter;
}

void EdgeBox(int16_t edgeBoxes, const char* line1) {
    if (edgeBoxes) ShowMessage(50, 50, line1, "of map!");
}

}  // namespace

void MarkFootprint(int16_t x, int16_t y, int16_t sizeClass, int16_t encounter, int16_t edgeBoxes) {
    if (!OnMap(x, y)) return;
    MarkSquare(x, y, encounter);
    if (sizeClass == 9) {
        if (x < 48 && y < 48) {
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) MarkSquare(x + i, y + j, encounter);
        } else {
            EdgeBox(edgeBoxes, "Error - mega monster of edge");
        }
        return;
    }
    if (sizeClass == 1 || sizeClass == 6) {
        if (x != 49) MarkSquare(x + 1, y, encounter);
        else EdgeBox(edgeBoxes, "Error - monster length of edge");
    }
    if (sizeClass == 2 || sizeClass == 6) {
        if (y != 49) MarkSquare(x, y + 1, encounter);
        else EdgeBox(edgeBoxes, "Error - monster height of edge");
    }
    if (sizeClass == 6) {
        if (x != 49 && y != 49) MarkSquare(x + 1, y + 1, encounter);
        else EdgeBox(edgeBoxes, "Error - huge monster of edge");
    }
}

void ClearEncounterSquares(int16_t encounter) {
    for (int16_t& cell : GameState.MonsterGrid)
        if (cell == encounter) cell = -1;
}
