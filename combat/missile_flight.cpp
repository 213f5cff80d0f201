#include "missile_flight.h"

#include <array>
#include <string_view>

#include "combat/monster_lookup.h"
#include "hero/item_instances.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "view/map_view.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kFirstMissileTile = 1340;
enum Direction : int16_t { kUpLeft, kUp, kUpRight, kRight, kDownRight, kDown, kDownLeft, kLeft };

// Top-left pixel of a map square's picture cell in the view, less the missile's margin.
void SquarePixel(int16_t x, int16_t y, int32_t& px, int32_t& py) {
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    px = (x - originX) * 32 + 11;
    py = (y - originY) * 32 + 11;
}

// Every second pixel from a toward b, b itself not drawn.
template <class Draw>
void StepTowards(int32_t a, int32_t b, Draw&& draw) {
    if (a < b)
        for (int32_t p = a; p < b; p += 2) draw(p);
    else
        for (int32_t p = a; p > b; p -= 2) draw(p);
}

}  // namespace

MissileLine LineThroughPoints(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const double slope = double(y2 - y1) / double(x2 - x1);
    return {slope, double(y1) - slope * double(x1)};
}

int32_t PointOnLine(const MissileLine& line, int32_t x) { return int32_t(line.slope * double(x) + line.intercept); }

void DrawMissileStep(int32_t px, int32_t py, int16_t picture, int16_t byHero, int16_t diagonal) {
    DrawPlayScreen(1, 1, byHero ? 4 : 0, -1, -1, 0);
    if (picture >= 0 && size_t(picture) < WallTiles.size())
        BltFast(BackSurface, px, py, WallTiles[size_t(picture)], TileRect, kBltKeyed);
    Flip();
    if (diagonal) Delay(15);
}

void FlyMissile(int32_t startX, int32_t startY, int32_t endX, int32_t endY, int16_t drawnKind, int16_t byHero) {
    if (drawnKind < 0 || drawnKind > 4 || (startX == endX && startY == endY)) return;
    const auto picture = [drawnKind](Direction d) { return int16_t(kFirstMissileTile + 8 * drawnKind + d); };
    if (startX == endX) {
        const int16_t p = picture(endY > startY ? kDown : kUp);
        StepTowards(startY, endY, [&](int32_t py) { DrawMissileStep(startX, py, p, byHero, 0); });
    } else if (startY == endY) {
        const int16_t p = picture(endX > startX ? kRight : kLeft);
        StepTowards(startX, endX, [&](int32_t px) { DrawMissileStep(px, startY, p, byHero, 0); });
    } else {
        const bool right = endX > startX, down = endY > startY;
        const int16_t p = picture(down ? (right ? kDownRight : kDownLeft) : (right ? kUpRight : kUpLeft));
        const MissileLine line = LineThroughPoints(startX, startY, endX, endY);
        StepTowards(startX, endX, [&](int32_t px) { DrawMissileStep(px, PointOnLine(line, px), p, byHero, 1); });
    }
}

void AnimateMissile(int16_t fromX, int16_t fromY, int16_t toX, int16_t toY, int16_t byHero, int16_t kind,
                    int16_t shooterMonster) {
    int32_t startX, startY, endX, endY;
    SquarePixel(fromX, fromY, startX, startY);
    SquarePixel(toX, toY, endX, endY);
    if (shooterMonster != -1) {
        const int16_t sizeClass = MonsterSizeClass(shooterMonster);
        if (sizeClass == 1 || sizeClass == 6) startX += 30;
        if (sizeClass == 2 || sizeClass == 6) startY += 30;
    }
    int16_t drawnKind = -1;
    if (byHero) {
        const int16_t ammunition = WornItem(kAmmunitionSlot), bow = WornItem(kBowSlot);
        const bool laser = bow == 357 || bow == 398;
        drawnKind = laser ? 2 : ammunition >= 251 && ammunition <= 255 ? int16_t(ammunition - 251)
                                                                         : int16_t(ammunition - 256);
        PlaySoundEffect(laser ? "laser" : "bow");
    } else {
        static constexpr std::array<std::string_view, 8> kSounds{"bow", "acid", "cold", "elect",
                                                                 "fire", "",     "acid", "laser"};
        static constexpr std::array<int16_t, 8> kDrawn{0, 1, 2, 3, 4, -1, 1, 3};
        if (kind >= 0 && kind < 8) {
            drawnKind = kDrawn[size_t(kind)];
            if (!kSounds[size_t(kind)].empty()) PlaySoundEffect(kSounds[size_t(kind)]);
        }
    }
    FlyMissile(startX, startY, endX, endY, drawnKind, byHero);
}
