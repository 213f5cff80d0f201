#include "sight.h"

#include <algorithm>
#include <cstdlib>

#include "adventure/wilderness.h"
#include "data/game_state.h"
#include "data/square_kinds.h"
#include "events/dungeon_devices.h"
#include "map_view.h"
#include "platform/message_boxes.h"
#include "script/flags.h"
#include "view_pictures.h"

namespace {

int InWindow(int32_t x, int32_t y, int16_t originX, int16_t originY) {
    return x - originX >= 0 && x - originX < 13 && y - originY >= 0 && y - originY < 13;
}

// Only for squares inside the window.
void MarkSeen(int32_t x, int32_t y, int16_t originX, int16_t originY) {
    SightGrid[x - originX][y - originY] = 1;
    const int16_t level = GameState.CurrentLevelNumber;
    if (level >= 0 && level <= kArenaLevel && OnMap(x, y)) GameState.AutomapSeen[level][Square(x, y)] = 'R';
}

// Whether the event of a square blocks sight (1), lets it through whatever the access tile
// says (-1), or leaves the access tile to decide (0).
int EventSight(const EventRecord& e) {
    const int16_t* w = e.Word;
    switch (w[0]) {
        case 1233: return w[2] == 0 && w[1] != 5 && w[1] < 8;                  // SIMPLE DOOR
        case 1234: return GameFlag(w[7]) > 1 && w[8] == 0;                     // COMPLEX DOOR
        case 1235: return GameFlag(w[8]) != 1;                                 // SECRET DOOR
        case 1261: return EventCondition(w, 1) && w[5] == 0;                            // TOGGLE
        case 1266: return GameFlag(w[3]) == -1;                                // CRACK
        case 1281: return EventCondition(w, 1) ? w[5] == 3 : w[7] == 3;                  // ALT TILE
        case 1270: return BridgeOpen(&e) ? -1 : 0;                                       // BRIDGE
        default: return 0;
    }
}

}  // namespace

int16_t SightRadius() {
    switch (CurrentLevel.ViewDistance) {
        case 1: return 3;
        case 2: return 1;
        default: return 12;
    }
}

int IsOpenZonePassage(int16_t x, int16_t y) {
    if (!OnMap(x, y) || CurrentLevel.ZoneLayer[Square(x, y)] != 1) return 0;
    const int16_t flag = CurrentLevel.ZoneSuppressFlag[1];
    return flag > 0 && GameFlag(flag) == CurrentLevel.ZoneSuppressValue[1] ? 1 : 0;
}

int BlocksSight(int16_t x, int16_t y) {
    if (!OnMap(x, y)) return 1;
    int blocks = 0;
    if (!IsOpenZonePassage(x, y)) {
        const int16_t access = CurrentLevel.AccessLayer[Square(x, y)];
        blocks = access == kSolidAccess || access == 1301 || access == 1979 ||
                 (access == kBorderAccess && WildCombatMonsters > -1);
    }
    if (const EventRecord* e = EventAt(x, y)) {
        const int byEvent = EventSight(*e);
        if (byEvent == 1) blocks = 1;
        if (byEvent == -1) blocks = 0;
    }
    return blocks;
}

void CastSightRay(int16_t, int16_t fromX, int16_t fromY, int16_t toX, int16_t toY, int16_t originX,
                  int16_t originY) {
    if (!InWindow(fromX, fromY, originX, originY)) {
        ShowMessage(60, 60, "Sight out of bounds!", "");
        return;
    }
    MarkSeen(fromX, fromY, originX, originY);
    int32_t x = fromX, y = fromY;
    for (;;) {
        // The longer axis moves; a tie moves along y.
        if (std::abs(y - toY) < std::abs(x - toX))
            x += x > toX ? -1 : 1;
        else
            y += y > toY ? -1 : 1;
        if (!InWindow(x, y, originX, originY)) return;
        MarkSeen(x, y, originX, originY);
        if (BlocksSight(int16_t(x), int16_t(y))) return;
        if (x == toX && y == toY) return;
    }
}

void UpdateSight(int16_t originX, int16_t originY) {
    const int16_t hx = GameState.HeroX, hy = GameState.HeroY;
    // A hero off the map (a damaged save) would fail every ray with a box of its own.
    if (!OnMap(hx, hy)) return;
    const int32_t r = SightRadius();
    auto ray = [&](int32_t x, int32_t y) {
        if (OnMap(x, y)) CastSightRay(int16_t(r), hx, hy, int16_t(x), int16_t(y), originX, originY);
    };
    // Each side has 2r targets counted from its clamped corner: shifted at the map's edge.
    const int32_t x0 = std::max(hx - r, 0), y0 = std::max(hy - r, 0);
    const int32_t xr = std::min(hx + r, 49), yb = std::min(hy + r, 49);
    for (int32_t k = 0; k < 2 * r; ++k) ray(x0 + k, y0);
    for (int32_t k = 0; k < 2 * r; ++k) ray(xr, y0 + k);
    for (int32_t k = 0; k < 2 * r; ++k) ray(xr - k, yb);
    for (int32_t k = 0; k < 2 * r; ++k) ray(x0, yb - k);

    // Wall corners; the pass reads the grid as it changes.
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j) {
            const int32_t x = originX + i, y = originY + j;
            if (!OnMap(x, y) || CurrentLevel.AccessLayer[Square(x, y)] != kSolidAccess) continue;
            auto seen = [](int a, int b) { return SightGrid[a][b] == 1; };
            const bool right = i < 12 && seen(i + 1, j), left = i > 0 && seen(i - 1, j);
            const bool below = j < 12 && seen(i, j + 1), above = j > 0 && seen(i, j - 1);
            if ((right && below) || (left && below) || (right && above) || (left && above)) MarkSeen(x, y, originX, originY);
        }
}
