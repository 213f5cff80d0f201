#include "map_view.h"

#include <algorithm>
#include <span>

#include "adventure/adventure_loop.h"
#include "adventure/encounters.h"
#include "data/game_state.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "event_pictures.h"
#include "hero/derived_stats.h"
#include "hero_sprite.h"
#include "hud.h"
#include "monster_layer.h"
#include "platform/fonts.h"
#include "platform/random.h"
#include "platform/widgets.h"
#include "script/flags.h"
#include "sight.h"
#include "view_pictures.h"

int16_t SightGrid[13][13];

namespace {

constexpr int16_t kFogTile = 1327;
constexpr int16_t kBeaconTile = 1529;
constexpr int16_t kMawHintTile = 1940;
constexpr int16_t kTestPlayTile = 1010;

}  // namespace

std::string_view ZoneName(int32_t zone) {
    return zone >= 0 && zone < 6 ? FieldText(CurrentLevel.ZoneNames[zone]) : std::string_view{};
}

void ComputeViewOrigin(int16_t& x, int16_t& y) {
    x = int16_t(std::clamp(GameState.HeroX - 6, 0, 37));
    y = int16_t(std::clamp(GameState.HeroY - 6, 0, 37));
}

int IsSeenCell(int32_t i, int32_t j) { return i >= 0 && i < 13 && j >= 0 && j < 13 && SightGrid[i][j] == 1; }

int IsTopLayerSuppressed(int16_t x, int16_t y) {
    if (!OnMap(x, y) || CurrentLevel.ZoneLayer[Square(x, y)] != 1) return 0;
    const int16_t flag = CurrentLevel.ZoneSuppressFlag[1];
    return flag != -1 && GameFlag(flag) == CurrentLevel.ZoneSuppressValue[1] ? 1 : 0;
}

void DrawDamageFloorTile(int16_t x, int16_t y, int16_t sx, int16_t sy) {
    if (!OnMap(x, y)) return;
    const int16_t tile = GameState.DamageFloor[Square(x, y)];
    if (tile > -1) DrawTile(tile, sx, sy);
}

void DrawBeaconMark(int16_t i, int16_t j, int16_t originX, int16_t originY) {
    const int16_t* beacon = GameState.Beacon;
    if (GameState.CurrentLevelNumber == beacon[0] && originX + i == beacon[1] && originY + j == beacon[2])
        DrawTile(kBeaconTile, CellPixel(i), CellPixel(j));
}

void DrawPortalSightOverlay(int16_t, int16_t, const int16_t (&)[13][13]) {
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j) DrawTile(1220 + Random15() % 5, CellPixel(i), CellPixel(j));
}

void DrawWildernessHero(int16_t originX, int16_t originY) {
    const int16_t facing = GameState.Facing;
    int32_t tile = 2196 + (facing >= 0 && facing <= 3 ? facing : 0);
    if (GameState.Hidden == 1) tile += 20;
    DrawTile(tile, CellPixel(GameState.HeroX - originX), CellPixel(GameState.HeroY - originY));
}

void DrawNpcFigure(int16_t sx, int16_t sy, int16_t i, int16_t j, int16_t x, int16_t y, int16_t picture) {
    struct Piece {
        Rect part;
        int16_t dx, dy;  // screen offset from the anchor cell
        int16_t di, dj;  // the window cell the piece covers
    };
    auto draw = [&](const Piece& p) {
        if (IsSeenCell(i + p.di, j + p.dj)) DrawMonsterPart(picture, p.part, sx + p.dx, sy + p.dy);
    };
    const Piece topLeft{{0, 0, 30, 30}, 0, 0, 0, 0};
    switch (PictureSizeClass(picture)) {
        case 0: draw({topLeft.part, 1, 1, 0, 0}); break;
        case 1:
            draw({topLeft.part, 2, 0, 0, 0});
            if (x < 49) draw({{30, 0, 61, 30}, 32, 0, 1, 0});
            break;
        case 2:
            draw({topLeft.part, 0, 2, 0, 0});
            if (y < 49) draw({{0, 30, 30, 61}, 0, 32, 0, 1});
            break;
        case 6:
            draw({topLeft.part, 2, 2, 0, 0});
            if (x < 49) draw({{30, 0, 61, 30}, 32, 2, 1, 0});
            if (y < 49) draw({{0, 30, 30, 61}, 2, 32, 0, 1});
            if (x < 49 && y < 49) draw({{30, 30, 61, 61}, 32, 32, 1, 1});
            break;
        default: break;
    }
}

void DrawScriptNpcs(int16_t originX, int16_t originY) {
    for (int16_t i = -1; i <= 12; ++i)
        for (int16_t j = -1; j <= 12; ++j) {
            const int16_t x = int16_t(originX + i), y = int16_t(originY + j);
            const EventRecord* e = EventOfType(x, y, kScriptEvent);
            if (!e) continue;
            const int16_t* w = e->Word;
            if (!CheckFlagCondition(w[1], w[2], w[3])) continue;
            const bool alternative = w[8] > 0 && GameFlag(w[8]) >= w[11];
            const int16_t npc = alternative ? w[9] : w[5];
            const int16_t wall = alternative ? w[10] : w[6];
            const int16_t sx = int16_t(CellPixel(i)), sy = int16_t(CellPixel(j));
            if (npc != -1) DrawNpcFigure(sx, sy, i, j, x, y, npc);
            if (wall != -1 && IsSeenCell(i, j)) DrawTile(wall, sx, sy);
        }
}

void DrawSightEdges() {
    // A neighbour outside the window takes no part in a condition.
    struct Rule {
        int8_t up, left, down, right;  // wanted SightGrid values; -1 any
        int16_t tile;
    };
    static constexpr Rule kFull[] = {
        {0, 0, 1, 1, 1836}, {0, 1, 1, 0, 1835}, {1, 0, 0, 1, 1816}, {1, 1, 0, 0, 1815}};
    auto at = [](int i, int j) { return i >= 0 && i < 13 && j >= 0 && j < 13 ? SightGrid[i][j] : -1; };
    auto matches = [&](int i, int j, const Rule& r) {
        const int values[] = {at(i, j - 1), at(i - 1, j), at(i, j + 1), at(i + 1, j)};
        const int8_t wanted[] = {r.up, r.left, r.down, r.right};
        for (int k = 0; k < 4; ++k)
            if (values[k] != -1 && wanted[k] != -1 && values[k] != wanted[k]) return false;
        return true;
    };
    auto edge = [&](int i, int j, std::span<const Rule> rules) {
        if (SightGrid[i][j] != 1) return;
        for (const Rule& r : rules)
            if (matches(i, j, r)) DrawTile(r.tile, CellPixel(i), CellPixel(j));
    };
    for (int i = 1; i <= 11; ++i) edge(i, 0, kFull);
    for (int i = 1; i <= 11; ++i) edge(i, 12, kFull);
    for (int j = 1; j <= 11; ++j) edge(12, j, kFull);
    for (int j = 1; j <= 11; ++j) edge(0, j, kFull);
    struct Corner {
        int i, j;
        Rule rules[2];
    };
    static constexpr Corner kCorners[] = {
        {0, 0, {{-1, -1, 1, 0, 1835}, {-1, -1, 0, 1, 1816}}},
        {12, 0, {{-1, 0, 1, -1, 1836}, {-1, 1, 0, -1, 1815}}},
        {0, 12, {{0, -1, -1, 1, 1836}, {1, -1, -1, 0, 1815}}},
        {12, 12, {{1, 0, -1, -1, 1816}, {0, 1, -1, -1, 1835}}},
    };
    for (const Corner& c : kCorners) edge(c.i, c.j, c.rules);
    for (int i = 1; i <= 11; ++i)
        for (int j = 1; j <= 11; ++j) edge(i, j, kFull);
    for (const Corner& c : kCorners) {
        const int across = c.i == 0 ? 1 : 11, along = c.j == 0 ? 1 : 11;
        if (SightGrid[c.i][c.j] == 1 && SightGrid[across][c.j] != 1 && SightGrid[c.i][along] != 1)
            DrawTile(320, CellPixel(c.i), CellPixel(c.j));
    }
}

void DrawMapView(int16_t originX, int16_t originY, int16_t viewMode, int16_t targetX, int16_t targetY) {
    const LevelRecord& level = CurrentLevel;
    // The zone editor keeps a second suppression flag in the word after zone 1's flag; either
    // above 0 puts the suppression in use.
    const bool suppression = level.ZoneSuppressFlag[1] > 0 || level.ZoneSuppressValue[0] > 0;
    std::fill(&SightGrid[0][0], &SightGrid[0][0] + 169, int16_t{0});
    UpdateSight(originX, originY);

    for (int16_t i = 0; i < 13; ++i)
        for (int16_t j = 0; j < 13; ++j) {
            const int16_t x = int16_t(originX + i), y = int16_t(originY + j);
            const int16_t sx = int16_t(CellPixel(i)), sy = int16_t(CellPixel(j));
            if (SightGrid[i][j] != 1 || !OnMap(x, y)) {
                DrawTile(kFogTile, sx, sy);
                continue;
            }
            const int32_t s = Square(x, y);
            DrawTile(level.BottomLayer[s], sx, sy, kBltOpaque);
            DrawDamageFloorTile(x, y, sx, sy);
            if (!(suppression && IsTopLayerSuppressed(x, y))) DrawTile(level.TopLayer[s], sx, sy);
            DrawCellEvent(i, j, x, y, sx, sy);
            if (GameState.Beacon[0] != -1) DrawBeaconMark(i, j, originX, originY);
            if (level.AccessLayer[s] == kMawAccess && GameState.Stats[kPerception] >= 10) DrawTile(kMawHintTile, sx, sy);
            if (TestPlayMode != 0) DrawTile(kTestPlayTile, sx, sy);
        }

    DrawScriptNpcs(originX, originY);
    DrawMonsterLayer(originX, originY, viewMode, targetX, targetY);
    DrawSightEdges();
    DrawViewFrame();
    DrawXpBar();

    // A hero off the map (a damaged save) is not drawn and indexes nothing.
    const int16_t hx = GameState.HeroX, hy = GameState.HeroY;
    if (OnMap(hx, hy)) {
        const int32_t s = Square(hx, hy);
        const int16_t hsx = int16_t(CellPixel(hx - originX)), hsy = int16_t(CellPixel(hy - originY));
        DrawBigText(30, 452, ZoneName(level.ZoneLayer[s]), kBigWhite);
        if (level.WildernessLevel == 1)
            DrawWildernessHero(originX, originY);
        else
            DrawHeroSprite(originX, originY, viewMode);
        if (EventOfType(hx, hy, kComplexDoorEvent)) DrawComplexDoorEvent(hx, hy, hsx, hsy);
        if (level.AccessLayer[s] == kWalkUnderAccess) DrawTile(level.TopLayer[s], hsx, hsy);
        if (level.WildernessLevel == 1 && GameState.HeroFood <= 0 && GameState.HitPoints > 1)
            DrawHurtMark(originX, originY);
    }
    if (GameState.PortalSightTurns > 0) DrawPortalSightOverlay(originX, originY, SightGrid);
    DrawTile(GameState.CarefulStep != 0 ? 1923 : 1922, 399, 399);
    if (TestPlayMode != 0) DrawButton(320, 405, 5, "ESC = Quit Test");
}
