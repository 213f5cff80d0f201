#include "monster_layer.h"

#include <algorithm>

#include "adventure/encounters.h"
#include "combat/monster_turn.h"
#include "data/game_state.h"
#include "data/monster_records.h"
#include "data/square_kinds.h"
#include "event_pictures.h"
#include "map_view.h"
#include "view_pictures.h"

namespace {

constexpr int16_t kWaterTile = 390;

// The encounter of square (x, y); null off the map or where there is none.
const Encounter* EncounterOn(int32_t x, int32_t y) {
    if (!OnMap(x, y)) return nullptr;
    const int16_t e = GameState.MonsterGrid[Square(x, y)];
    return e >= 0 && e < kEncounterCount ? &GameState.EncounterList[e] : nullptr;
}
int16_t EncounterIndexOn(int32_t x, int32_t y) {
    return OnMap(x, y) ? GameState.MonsterGrid[Square(x, y)] : int16_t{-1};
}
// The monster record of an encounter; null for a number outside the table.
const MonsterRecord* MonsterOf(const Encounter& e) {
    return e.Monster >= 0 && e.Monster < kMonsterCount ? &MonsterTable[size_t(e.Monster)] : nullptr;
}
int16_t Access(int32_t x, int32_t y) { return OnMap(x, y) ? CurrentLevel.AccessLayer[Square(x, y)] : int16_t{-1}; }

// Shallow water over the part of a monster on (x, y), drawn at (px, py).
void WaterOver(int32_t x, int32_t y, int32_t px, int32_t py) {
    if (Access(x, y) == kShallowWaterAccess) DrawTile(kWaterTile, px, py);
}
// The square's top-layer tile again over whatever stands on a walk-under square.
void TopOver(int32_t x, int32_t y, int32_t px, int32_t py) {
    if (Access(x, y) == kWalkUnderAccess) DrawTile(CurrentLevel.TopLayer[Square(x, y)], px, py);
}

void DrawBar(int16_t e, int32_t px, int32_t py, int16_t kind) {
    const Encounter& r = GameState.EncounterList[e];
    DrawHitBar(r.Hp, r.HpMax, int16_t(px), int16_t(py), kind);
}

// The encounter on the anchor square (x, y) of a reaching-in monster: its picture and class.
bool ReachingIn(int32_t i, int32_t j, int32_t x, int32_t y, int16_t& picture, int16_t& sizeClass) {
    if (!IsSeenCell(i, j)) return false;
    const Encounter* r = EncounterOn(x, y);
    if (!r || r->Kind != 3 || !MonsterOf(*r)) return false;
    if (!IsFootprintAnchor(int16_t(x), int16_t(y), EncounterIndexOn(x, y))) return false;
    picture = int16_t(MonsterOf(*r)->MonsterPicture + r->Facing);
    sizeClass = PictureSizeClass(picture);
    return true;
}

}  // namespace

void SetFearFromMonster(int16_t, int16_t monster) {
    if (GameState.Fear != 0) return;
    const bool fearful = monster >= 0 && monster < kMonsterCount && MonsterTable[size_t(monster)].MonsterFearInducing;
    GameState.Fear = fearful ? 1 : 0;
}

int IsFootprintAnchor(int16_t x, int16_t y, int16_t e) {
    if (e < 0 || e >= kEncounterCount) return 0;
    const MonsterRecord* m = MonsterOf(GameState.EncounterList[e]);
    const int16_t c = m ? PictureSizeClass(m->MonsterPicture) : int16_t{0};
    auto holds = [&](int dx, int dy) { return EncounterIndexOn(x - dx, y - dy) == e; };
    if ((c == 1 || c == 6) && holds(1, 0)) return 0;
    if ((c == 2 || c == 6) && holds(0, 1)) return 0;
    if (c == 6 && holds(1, 1)) return 0;
    if (c == 9)
        for (int dx = 0; dx <= 2; ++dx)
            for (int dy = 0; dy <= 2; ++dy)
                if ((dx || dy) && holds(dx, dy)) return 0;
    return 1;
}

void DrawHitBar(int16_t hp, int16_t hpMax, int16_t x, int16_t y, int16_t kind) {
    const int32_t width = kind == 3 ? 40 : 20;
    const int32_t filled = hpMax > 0 ? std::clamp<int32_t>(hp, 0, hpMax) * width / hpMax : 0;
    for (int32_t c = 0; c < width; ++c)
        BltFast(BackSurface, x + c, y, HorizontalGaugeStripes[c < filled ? 0 : 1], BarStripeRect, kBltKeyed);
}

void DrawEffectMarks(int16_t x, int16_t y, int16_t e) {
    const Encounter& r = GameState.EncounterList[e];
    const int16_t effects[] = {r.AttackPenalty, r.WeakenPercent, r.Silenced, r.DefencePenalty, r.Paralysed};
    int32_t at = x;
    for (size_t k = 0; k < 5; ++k)
        if (effects[k] > 0) {
            BltFast(BackSurface, at, y + 2, DigitPictures[k], DigitRect, kBltOpaque);
            at += 6;
        }
}

void DrawMonsterSingle(int16_t px, int16_t py, int16_t picture, int16_t, int16_t x, int16_t y, int16_t e, int16_t,
                       int16_t) {
    DrawMonsterPart(picture, ViewPieceRects[0], px, py);
    WaterOver(x, y, px, py);
    DrawEffectMarks(px, py, e);
    DrawBar(e, px, py + 23, 0);
    TopOver(x, y, px, py);
    DrawAltTileOver(x, y, px, py);
}

void DrawMonsterWide(int16_t px, int16_t py, int16_t picture, int16_t, int16_t x, int16_t y, int16_t e, int16_t i,
                     int16_t) {
    if (i == 12) {
        DrawMonsterPart(picture, {0, 0, 32, 30}, px, py);
        WaterOver(x, y, px, py);
        DrawBar(e, px, py + 23, 1);
        TopOver(x, y, px, py);
        return;
    }
    DrawMonsterPart(picture, ViewPieceRects[1], px, py);
    WaterOver(x, y, px, py);
    WaterOver(x + 1, y, px + 32, py);
    DrawBar(e, px, py + 23, 1);
    DrawEffectMarks(px, py, e);
    TopOver(x, y, px, py);
    TopOver(x + 1, y, px + 32, py);
}

void DrawMonsterTall(int16_t px, int16_t py, int16_t picture, int16_t, int16_t x, int16_t y, int16_t e, int16_t,
                     int16_t j) {
    if (j == 12) {
        DrawMonsterPart(picture, {0, 0, 30, 32}, px, py);
        return;
    }
    DrawMonsterPart(picture, ViewPieceRects[2], px, py);
    WaterOver(x, y + 1, px, py + 32);
    DrawBar(e, px, py + 54, 2);
    DrawEffectMarks(px, py, e);
    TopOver(x, y, px, py);
    TopOver(x, y + 1, px, py + 32);
}

void DrawMonsterHuge(int16_t px, int16_t py, int16_t picture, int16_t, int16_t x, int16_t y, int16_t e, int16_t i,
                     int16_t j) {
    if (i == 12 || j == 12) {
        DrawMonsterPart(picture, {0, 0, i == 12 ? 32 : 61, j == 12 ? 32 : 61}, px, py);
        return;
    }
    DrawMonsterPart(picture, ViewPieceRects[6], px, py);
    WaterOver(x, y + 1, px, py + 32);
    WaterOver(x + 1, y + 1, px + 32, py + 32);
    DrawBar(e, px, py + 54, 3);
    TopOver(x, y, px, py);
    TopOver(x + 1, y, px + 32, py);
    TopOver(x, y + 1, px, py + 32);
    TopOver(x + 1, y + 1, px + 32, py + 32);
    DrawEffectMarks(px, py, e);
}

void DrawMonsterMega(int16_t px, int16_t py, int16_t picture, int16_t, int16_t, int16_t, int16_t, int16_t i,
                     int16_t j) {
    // Nine pieces, each on its own cell, shifted so the picture sits centred in the footprint.
    static constexpr int32_t kFrom[] = {0, 31, 62}, kTo[] = {29, 63, 91}, kShift[] = {3, 0, -3};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            if (i + c > 12 || j + r > 12) continue;
            const Rect part{kFrom[c], kFrom[r], kTo[c], kTo[r]};
            DrawMonsterPart(picture, part, px + 32 * c + kShift[c], py + 32 * r + kShift[r]);
        }
}

void DrawMonsterAt(int16_t i, int16_t j, int16_t, int16_t, int16_t e, int16_t x, int16_t y) {
    const Encounter& r = GameState.EncounterList[e];
    const MonsterRecord* m = MonsterOf(r);
    if (!m) return;
    int16_t picture = int16_t(m->MonsterPicture + r.Facing);
    const int16_t sizeClass = PictureSizeClass(picture);
    SetFearFromMonster(e, r.Monster);
    if (e == StrikingEncounter) picture = int16_t(r.Facing == 0 ? picture + 1 : picture - 1);
    const int16_t px = int16_t(CellPixel(i)), py = int16_t(CellPixel(j));
    using Drawer = void (*)(int16_t, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t);
    Drawer drawer = nullptr;
    switch (sizeClass) {
        case 0: drawer = DrawMonsterSingle; break;
        case 1: drawer = DrawMonsterWide; break;
        case 2: drawer = DrawMonsterTall; break;
        case 6: drawer = DrawMonsterHuge; break;
        case 9: drawer = DrawMonsterMega; break;
        default: return;
    }
    drawer(px, py, picture, sizeClass, x, y, e, i, j);
}

void DrawPushObject(int16_t i, int16_t j, int16_t x, int16_t y, int16_t e) {
    const int32_t px = CellPixel(i), py = CellPixel(j);
    DrawTile(GameState.EncounterList[e].Extra, px, py);
    TopOver(x, y, px, py);
}

void DrawBoat(int16_t i, int16_t j, int16_t x, int16_t y, int16_t e) {
    struct Pieces {
        int16_t right, left, above, below;
    };
    const int16_t t = GameState.EncounterList[e].Extra;
    const int32_t px = CellPixel(i), py = CellPixel(j);
    DrawTile(t, px, py);
    Pieces p;
    if (t == 1181 || t == 1195)
        p = {int16_t(t + 1), int16_t(t - 1), int16_t(t + 3), int16_t(t + 2)};
    else if (t == 1791)
        p = {1851, 1831, 1771, 1811};
    else if (t == 1799)
        p = {1739, 1759, 1779, 1819};
    else
        return TopOver(x, y, px, py);
    if (x < 49) DrawTile(p.right, px + 32, py);
    if (x > 0) DrawTile(p.left, px - 32, py);
    if (y > 0) DrawTile(p.above, px, py - 32);
    if (y < 49) DrawTile(p.below, px, py + 32);
}

void DrawBarrier(int16_t i, int16_t j, int16_t, int16_t, int16_t e) {
    const Encounter& r = GameState.EncounterList[e];
    int16_t tile = 1870;
    if (r.Hp < r.HpMax / 1.5) tile = 1850;
    if (r.HpMax / 3 > r.Hp) tile = 1830;
    const int32_t px = CellPixel(i), py = CellPixel(j);
    DrawTile(tile, px, py);
    DrawHitBar(r.Hp, r.HpMax, int16_t(px), int16_t(py + 23), 0);
}

void DrawLeftReachIn(int16_t i, int16_t j, int16_t mapX0, int16_t mapY0) {
    int16_t picture, sizeClass;
    if (!ReachingIn(i, j, mapX0, mapY0 + j, picture, sizeClass)) return;
    if (sizeClass == 1) DrawMonsterPart(picture, {30, 0, 61, 30}, CellPixel(i), CellPixel(j));
    if (sizeClass == 6) DrawMonsterPart(picture, {30, 0, 61, j == 12 ? 32 : 61}, CellPixel(i), CellPixel(j));
}

void DrawTopReachIn(int16_t i, int16_t j, int16_t mapX0, int16_t mapY0) {
    int16_t picture, sizeClass;
    if (!ReachingIn(i, j, mapX0 + i, mapY0, picture, sizeClass)) return;
    if (sizeClass == 2) DrawMonsterPart(picture, {0, 30, 30, 61}, CellPixel(i), CellPixel(j));
    if (sizeClass == 6) DrawMonsterPart(picture, {0, 30, i == 12 ? 32 : 61, 61}, CellPixel(i), CellPixel(j));
}

void DrawCornerReachIn(int16_t i, int16_t j, int16_t mapX0, int16_t mapY0) {
    int16_t picture, sizeClass;
    if (!ReachingIn(i, j, mapX0, mapY0, picture, sizeClass)) return;
    if (sizeClass == 6) DrawMonsterPart(picture, {30, 30, 61, 61}, CellPixel(i), CellPixel(j));
}

void DrawMonsterLayer(int16_t originX, int16_t originY, int16_t, int16_t, int16_t) {
    GameState.Fear = 0;
    for (int16_t i = 0; i < 13; ++i)
        for (int16_t j = 0; j < 13; ++j) {
            if (SightGrid[i][j] != 1) continue;
            const int16_t x = int16_t(originX + i), y = int16_t(originY + j);
            const int16_t e = EncounterIndexOn(x, y);
            if (e < 0 || e >= kEncounterCount) continue;
            switch (GameState.EncounterList[e].Kind) {
                case 1: DrawPushObject(i, j, x, y, e); break;
                case 2: DrawBoat(i, j, x, y, e); break;
                case 3:
                    if (IsFootprintAnchor(x, y, e)) DrawMonsterAt(i, j, originX, originY, e, x, y);
                    break;
                case 4: DrawBarrier(i, j, x, y, e); break;
                default: break;
            }
        }
    if (originX > 0)
        for (int16_t j = 0; j < 13; ++j) DrawLeftReachIn(0, j, int16_t(originX - 1), originY);
    if (originY > 0)
        for (int16_t i = 0; i < 13; ++i) DrawTopReachIn(i, 0, originX, int16_t(originY - 1));
    if (originX > 0 && originY > 0) DrawCornerReachIn(0, 0, int16_t(originX - 1), int16_t(originY - 1));
}

void DrawViewFrame() {
    const Rect& across = ViewFrameRects[0];
    const Rect& down = ViewFrameRects[1];
    for (int k = 0; k < 13; ++k) {
        BltFast(BackSurface, CellPixel(k), 7, ViewFramePieces[0], across, kBltOpaque);
        BltFast(BackSurface, CellPixel(k), 431, ViewFramePieces[0], across, kBltOpaque);
        BltFast(BackSurface, 7, CellPixel(k), ViewFramePieces[1], down, kBltOpaque);
        BltFast(BackSurface, 431, CellPixel(k), ViewFramePieces[1], down, kBltOpaque);
    }
    const int32_t corners[4][2] = {{7, 7}, {431, 7}, {7, 431}, {431, 431}};
    for (int c = 0; c < 4; ++c)
        BltFast(BackSurface, corners[c][0], corners[c][1], ViewFramePieces[size_t(2 + c)], ViewFrameRects[2], kBltOpaque);
}
