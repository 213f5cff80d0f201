#include "spell_cursor.h"

#include <algorithm>
#include <array>

#include "combat/monster_lookup.h"
#include "hero/item_instances.h"
#include "hero/item_names.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "script/flags.h"
#include "view/map_view.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kFrameTile = 1302;
constexpr int16_t kLilyWand = 266;

struct CursorKey {
    int16_t key, numpadKey, dx, dy;
};
constexpr CursorKey kCursorKeys[] = {{38, 104, 0, -1}, {40, 98, 0, 1}, {37, 100, -1, 0}, {39, 102, 1, 0}};

void DrawTile(int16_t tile, int32_t x, int32_t y) { BltFast(BackSurface, x, y, WallTiles[tile], TileRect, kBltKeyed); }

// Activate (A) at (485, top) takes the cursor square (cx, cy) into (x, y): 1; Cancel (Esc or C)
// 45 below: 0; neither this pass: -1.
int ActivateOrCancel(int16_t top, int16_t cx, int16_t cy, int16_t& x, int16_t& y) {
    if (ButtonClicked(485, top, 10, 'A', 0, 1, 1)) {
        x = cx;
        y = cy;
        return 1;
    }
    return ButtonClicked(485, int16_t(top + 45), 10, kEsc, 'C', 1, 3) ? 0 : -1;
}

}  // namespace

bool MoveCursorByKeys(int16_t& cx, int16_t& cy, int16_t largest) {
    bool moved = false;
    for (const CursorKey& k : kCursorKeys) {
        const int16_t nx = int16_t(cx + k.dx), ny = int16_t(cy + k.dy);
        if (nx < 0 || ny < 0 || nx > largest || ny > largest) continue;
        if (KeyPressed(k.key, 1, 0, 1) || KeyPressed(k.numpadKey, 1, 0, 1)) {
            cx = nx;
            cy = ny;
            moved = true;
        }
    }
    return moved;
}

bool ViewClicked(int16_t& i, int16_t& j) {
    if (!AreaClicked(15, 15, 416, 416, 0, 1, 1, 0)) return false;
    i = int16_t(std::clamp((CursorPos.x - 15) / 32, 0, 12));
    j = int16_t(std::clamp((CursorPos.y - 15) / 32, 0, 12));
    return true;
}

void DrawAimLines() {
    DrawSmallText(465, 150, "Use arrow keys OR mouse", kSmallBlack);
    DrawSmallText(465, 165, "cursor to target spell.", kSmallBlack);
}

void ListTargetMonsters(int16_t (&xs)[10], int16_t (&ys)[10], int16_t& count) {
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    count = -1;
    for (int16_t i = 0; i < 13; ++i)
        for (int16_t j = 0; j < 13; ++j) {
            const int16_t e = EncounterIndexAt(originX + i, originY + j);
            if (!LiveMonsterOf(e) || SightGrid[i][j] != 1 || count == 9) continue;
            const Encounter& r = GameState.EncounterList[e];
            if (IsDormant(r)) continue;
            ++count;
            xs[count] = i;
            ys[count] = j;
        }
}

void DrawSpellCursor(int16_t cx, int16_t cy, int16_t areaMode, const char* title) {
    DrawPlayScreen(0, 1, 0, -1, -1, 0);
    const int32_t px = cx * 32 + 15, py = cy * 32 + 15;
    if (areaMode == 0) {
        DrawTile(kFrameTile, px, py);
    } else {
        const int32_t far = areaMode == 1 ? 64 : 128;
        DrawTile(1303, px, py);
        DrawTile(1304, px + far, py);
        DrawTile(1305, px, py + far);
        DrawTile(1306, px + far, py + far);
    }
    DrawSmallText(465, 120, title ? title : "", kSmallBlue);
    DrawAimLines();
    DrawButton(485, 200, 5, "Next target");
    DrawButton(485, 225, 5, "Activate");
    DrawButton(485, 270, 5, "Cancel");
    Flip();
}

uint32_t TargetSpell(int16_t areaMode, int16_t& x, int16_t& y, const char* title) {
    Screen screen("spell target");
    const int16_t shift = areaMode == 1 ? 1 : areaMode == 2 ? 2 : 0;
    const int16_t largest = int16_t(12 - 2 * shift);
    int16_t xs[10], ys[10], last;
    ListTargetMonsters(xs, ys, last);
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    // The start is held inside the window on both sides, so the area never reaches past it.
    const auto place = [&](int16_t i, int16_t j, int16_t& cx, int16_t& cy) {
        cx = int16_t(std::clamp<int>(i - shift, 0, largest));
        cy = int16_t(std::clamp<int>(j - shift, 0, largest));
    };
    int16_t cx, cy;
    place(int16_t(GameState.HeroX - originX), int16_t(GameState.HeroY - originY), cx, cy);
    int16_t target = -1;
    const auto draw = [&] { DrawSpellCursor(cx, cy, areaMode, title); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        int16_t i, j;
        bool moved = false;
        if (ViewClicked(i, j)) {
            place(i, j, cx, cy);
            moved = true;
        }
        if (last >= 0 && ButtonClicked(485, 200, 10, 'N', 0, 1, 1)) {
            target = int16_t(target >= last ? 0 : target + 1);
            place(xs[target], ys[target], cx, cy);
            moved = true;
        }
        moved |= MoveCursorByKeys(cx, cy, largest);
        if (const int chosen = ActivateOrCancel(225, cx, cy, x, y); chosen >= 0) return uint32_t(chosen);
        if (moved) draw();
    }
}

void DrawPowerCursor(int16_t cx, int16_t cy, int16_t item) {
    DrawPlayScreen(0, 1, 0, -1, -1, 0);
    DrawTile(kFrameTile, cx * 32 + 15, cy * 32 + 15);
    if (item == kLilyWand) {
        if (const ItemInstance* wand = WornInstance(kWandSlot)) {
            std::array<char, kItemNameSize> name{};
            ItemDisplayName(wand->ItemNumber, wand->X, wand->Y, wand->CurseKnown, name);
            DrawSmallText(465, 120, name.data(), kSmallBlue);
        }
    }
    DrawAimLines();
    DrawButton(485, 200, 5, "Activate");
    DrawButton(485, 245, 5, "Cancel");
    Flip();
}

uint32_t TargetMonsterPower(int16_t& x, int16_t& y, int16_t item) {
    Screen screen("power target");
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    int16_t cx = int16_t(std::clamp(GameState.HeroX - originX, 0, 12));
    int16_t cy = int16_t(std::clamp(GameState.HeroY - originY, 0, 12));
    const auto draw = [&] { DrawPowerCursor(cx, cy, item); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        bool moved = false;
        if (ViewClicked(cx, cy)) moved = true;
        moved |= MoveCursorByKeys(cx, cy, 12);
        if (const int chosen = ActivateOrCancel(200, cx, cy, x, y); chosen >= 0) return uint32_t(chosen);
        if (moved) draw();
    }
}
