#include "event_pictures.h"

#include <array>
#include <string_view>

#include "adventure/direction_actions.h"
#include "adventure/encounters.h"
#include "adventure/hero_step.h"
#include "combat/monster_death.h"
#include "data/game_state.h"
#include "data/monster_records.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "events/dungeon_devices.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "map_view.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "script/flags.h"
#include "view_pictures.h"

namespace {

// The picture rules read an event's words: w[n] is word n, Cond(n) the flag condition of
// words n..n+2 (none when word n is below 1), Flag(n) the flag word n names.
struct Cell {
    const EventRecord& e;
    const int16_t* w;
    int16_t x, y, sx, sy;

    int Cond(int n) const { return EventCondition(w, n); }
    int16_t Flag(int n) const { return GameFlag(w[n]); }
    // The tile numbered by word n.
    void TileOfWord(int n) const { DrawTile(w[n], sx, sy); }
    void Tile(int32_t tile) const { DrawTile(tile, sx, sy); }
    void SmallFigure(int16_t picture) const { DrawFigure(picture, sx + 1, sy + 1); }
    // A whole monster picture, up to 92 x 92.
    void Figure(int16_t picture) const {
        DrawMonsterPart(picture, ViewPieceRects[size_t(PictureSizeClass(picture))], sx, sy);
    }
};

// A table of tiles by a kind word; kinds outside it give tile 0.
template <size_t N>
int16_t ByKind(const std::array<int16_t, N>& tiles, int16_t kind) {
    return kind >= 0 && size_t(kind) < N ? tiles[size_t(kind)] : int16_t{0};
}

constexpr std::array<int16_t, 10> kShutDoors = {1531, 1532, 1533, 1534, 1537, 1136, 1104, 1517, 401, 402};
constexpr std::array<int16_t, 8> kOpenDoors = {496, 497, 498, 499, 516, 1218, 1149, 496};

int16_t Awareness() {
    const int16_t bonus = GameState.TrueSight[0];
    return int16_t(GameState.Stats[kPerception] + (bonus > 0 ? bonus : 0));
}

void DrawPushTextEvent(const Cell& c) {
    if (!c.Cond(1)) return;
    const int tileWord = c.Cond(4) ? 8 : 14, figureWord = c.Cond(4) ? 7 : 13;
    if (c.w[tileWord] >= 0) c.TileOfWord(tileWord);
    if (c.w[figureWord] >= 0) c.SmallFigure(c.w[figureWord]);
}

void DrawStepTextEvent(const Cell& c) {
    if (!c.Cond(1)) return;
    const int tileWord = c.Cond(4) ? 8 : 14;
    if (c.w[tileWord] >= 0) c.TileOfWord(tileWord);
}

void DrawRuneEvent(const Cell& c) {
    if (c.w[10] >= 0) c.TileOfWord(10);
}
void DrawHieroglyphEvent(const Cell& c) { DrawRuneEvent(c); }

void DrawHeraldrySignEvent(const Cell& c) {
    if (c.w[4] >= 0) c.TileOfWord(4);
}

void DrawSimpleDoorEvent(const Cell& c) {
    if (c.w[2] == 0) c.Tile(ByKind(kShutDoors, c.w[1]));
}

void DrawComplexDoor(const Cell& c) {
    const int16_t status = c.Flag(7);
    if (status == 1) c.Tile(ByKind(kOpenDoors, c.w[1]));
    if (status > 1) c.Tile(ByKind(kShutDoors, c.w[1]));
}

void DrawSecretDoorEvent(const Cell& c) {
    if (c.Flag(8) != 1) c.TileOfWord(1);
    if (c.w[2] <= Awareness() && !(c.w[5] > 0 && c.Cond(5))) c.Tile(1315);
}

void DrawPortalEvent(const Cell& c) {
    if (c.w[5] == 4 && c.Flag(21) == 1) {
        c.TileOfWord(20);
        return;
    }
    const bool active = TestFlagCondition(c.w[1], c.w[2], c.w[3]) && !(c.w[5] == 5 && GameState.PortalSightTurns == 0);
    if (active)
        c.TileOfWord(4);
    else if (c.w[21] != 1)
        c.TileOfWord(18);
}

void DrawWildPortalEvent(const Cell& c) {
    if (TestFlagCondition(c.w[1], c.w[2], c.w[3]))
        c.TileOfWord(4);
    else if (c.w[17] != 1)
        c.TileOfWord(16);
}

void DrawDigPortalEvent(const Cell& c) { c.TileOfWord(c.Flag(3) == -1 ? 1 : 2); }

void DrawModuleAccessEvent(const Cell& c) {
    if (c.Cond(1)) c.Figure(c.w[22]);
}

void DrawPentaPortalEvent(const Cell& c) {
    const int16_t portal = c.w[1];
    const bool active = portal >= 0 && portal < 5 && GameState.PentaActive[portal] == 1;
    BltFast(BackSurface, c.sx, c.sy, WallTiles[active ? 971 : 754], ViewPieceRects[0], kBltKeyed);
}

void DrawElevatorEvent(const Cell& c) {
    if (c.w[21] >= 0) c.TileOfWord(21);
}

void DrawOneItemEvent(const Cell& c) {
    if (c.Cond(1)) c.TileOfWord(8);
}

void DrawItemsCacheEvent(const Cell& c) {
    if (c.Cond(1))
        c.TileOfWord(23);
    else if (c.w[25] != 1)
        c.TileOfWord(24);
}

void DrawChestEvent(const Cell& c) {
    static constexpr std::array<int16_t, 9> kBase = {1470, 565, 568, 517, 1112, 571, 915, -1, 562};
    const int16_t base = c.w[30] >= 0 && c.w[30] < 9 ? kBase[size_t(c.w[30])] : int16_t{-1};
    if (base < 0) return;
    const int16_t state = c.Flag(9);
    int32_t tile = base;
    if (c.w[32] == 0 && state == 0) tile = base + 1;
    if (c.w[32] == 0 && state == 3) tile = base + 2;
    if (c.w[32] == 1 && state == 0) tile = base + 1;
    c.Tile(tile);
}

void DrawSearchEvent(const Cell& c) {
    struct Pair {
        int16_t whole, broken;
    };
    static constexpr std::array<Pair, 16> kTiles = {{{673, 674}, {39, 19}, {720, 33}, {571, 573}, {642, 574},
                                                     {641, 644}, {662, 108}, {1450, 1871}, {1787, 1788},
                                                     {1139, 1119}, {285, 305}, {286, 306}, {1530, 1821},
                                                     {915, 916}, {1036, 2157}, {887, 1023}}};
    const int16_t kind = c.w[1];
    if (kind < 0 || size_t(kind) >= kTiles.size()) {
        c.Tile(0);
        return;
    }
    const Pair& p = kTiles[size_t(kind)];
    c.Tile(c.Flag(2) == 1 ? p.broken : p.whole);
}

void DrawFoodEvent(const Cell& c) {
    if (c.w[4] != -1 && c.Cond(1)) c.TileOfWord(4);
}

void DrawShopEvent(const Cell& c) {
    if (c.w[30] != -1 && c.Cond(1)) c.Figure(c.w[30]);
}

// INN, BANK, VAULT, TEMPLE, TRAIN, SEER, CASINO and RECHARGE WAND SERVICE.
void DrawServiceEvent(const Cell& c) {
    if (c.w[4] != -1 && c.Cond(1)) c.Figure(c.w[4]);
}

void DrawTrapEvent(const Cell& c) {
    static constexpr std::array<int16_t, 7> kTraps = {1313, 1313, 1672, 1653, 1654, 1655, 2153};
    if (!TrapSpotted(c.x, c.y)) return;
    if (c.w[5] >= 0 && size_t(c.w[5]) < kTraps.size()) c.Tile(kTraps[size_t(c.w[5])]);
}

void DrawPitEvent(const Cell& c) {
    if (!c.Cond(1)) return;
    if (c.w[14] != 0) {
        if (c.Flag(9) > 0) c.Tile(1398);
        return;
    }
    // A pit that needs no skill to see is found as soon as it is drawn.
    if (c.w[4] == 0) SetGameFlag(c.w[9], 1);
    if (c.Flag(9) >= 1)
        c.Tile(1397);
    else if (c.w[4] <= GameState.Skills[kDisarmTraps])
        c.Tile(2138);
}

void DrawPressurePadEvent(const Cell& c) {
    if (c.w[2] != 0) return;
    const bool heroOn = GameState.HeroX == c.x && GameState.HeroY == c.y && GameState.HeroForm != 2;
    const bool pressed = heroOn || GameState.MonsterGrid[Square(c.x, c.y)] != -1;
    c.Tile(pressed ? 719 : 718);
}

void DrawSwitchEvent(const Cell& c) {
    const bool on = c.Flag(6) == 1;
    int16_t tile = 0;
    switch (c.w[1]) {
        case 0: tile = on ? 714 : 713; break;
        case 1: tile = on ? 716 : 715; break;
        case 2:
        case 3:
        case 7: tile = 717; break;
        case 4: tile = on ? 733 : 732; break;
        case 5: tile = on ? 732 : 733; break;
        case 6: tile = on ? 511 : 491; break;
        case 9: tile = on ? 1526 : 717; break;
        default: break;
    }
    c.Tile(tile);
}

void DrawToggleEvent(const Cell& c) {
    if (!c.Cond(1)) return;
    if (c.Flag(1) == 9999)
        c.Tile(50);
    else
        c.TileOfWord(4);
    KillMonsterUnderWall(c.x, c.y, c.sx, c.sy);
}

void DrawUseSpellEvent(const Cell& c) { c.TileOfWord(c.Flag(5) == 1 ? 2 : 1); }
void DrawUseItemEvent(const Cell& c) { c.TileOfWord(7); }

void DrawGetAnswerEvent(const Cell& c) {
    if (c.Cond(1)) c.TileOfWord(5);
}

void DrawCrackEvent(const Cell& c) {
    if (c.Flag(3) == -1) c.TileOfWord(1);
}

// Drawn while it stands: a normal bridge with its own tile, an ice or lily bridge with theirs.
void DrawBridgeEvent(const Cell& c) {
    if (!BridgeOpen(&c.e)) return;
    if (c.w[1] == 0) c.TileOfWord(5);
    else c.Tile(c.w[1] == 1 ? 235 : 215);
}

void DrawMushroomEvent(const Cell& c) {
    static constexpr std::array<int16_t, 3> kBase = {1140, 1143, 1146};
    const int16_t base = ByKind(kBase, c.w[2]);
    const int16_t state = c.Flag(1);
    c.Tile(base + (state == 0 ? 1 : state == 1 ? 2 : 0));
}

void DrawStatPlusEvent(const Cell& c) { c.TileOfWord(c.Cond(1) ? 9 : 10); }

void DrawForgeEvent(const Cell& c) { c.Tile(c.w[1] >= 0 && c.w[1] <= 3 ? 1680 + c.w[1] : 0); }

void DrawResetPushEvent(const Cell& c) { c.TileOfWord(1); }
void DrawUseLensEvent(const Cell& c) { c.TileOfWord(1); }
void DrawPuzzleEvent(const Cell& c) { c.TileOfWord(1); }

void DrawBeamEvent(const Cell& c) {
    for (int k = 1; k <= 5; ++k)
        if (c.w[k] > 0 && GameFlag(c.w[k]) != c.w[k + 5]) return;
    const int16_t tile = int16_t(BeamTile(c.w[12], c.w[16]) + (c.w[11] == 1 ? 1 : 0));
    c.Tile(tile);
    if (c.w[13] != 1) return;
    static constexpr std::array<int16_t, 7> kTargets = {1200, 1202, 1204, 1206, 1208, 1210, 1216};
    const int16_t kind = c.w[14];
    if (kind >= 0 && size_t(kind) < kTargets.size() && (tile == kTargets[size_t(kind)] || tile == kTargets[size_t(kind)] + 1))
        SetGameFlag(c.w[15], 1);
}

void DrawGhostTextEvent(const Cell& c) {
    if ((c.w[1] == 0 && HasItem(c.w[2])) || (c.w[1] == 1 && IsItemEquipped(c.w[2]))) c.TileOfWord(3);
}

void DrawAltTileEvent(const Cell& c) {
    // Access types above 1 are no access: a monster under such a wall is crushed.
    const bool first = c.Cond(1);
    c.TileOfWord(first ? 4 : 6);
    if (c.w[first ? 5 : 7] > 1) KillMonsterUnderWall(c.x, c.y, c.sx, c.sy);
}

void DrawBuriedCacheEvent(const Cell& c) {
    if (c.Flag(2) == 1) c.TileOfWord(3);
}

void DrawFloorTextEvent(const Cell& c) {
    const std::string_view line = FieldText(c.e.Text[1][0]);
    static constexpr int16_t kOffsets[] = {0, 13, 10, 7};
    const int16_t offset = line.size() < 4 ? kOffsets[line.size()] : int16_t{0};
    if (c.w[4] > 0 && size_t(c.w[4]) <= RunePictures.size())
        BltFast(BackSurface, c.sx, c.sy, RunePictures[size_t(c.w[4] - 1)], ViewPieceRects[0], kBltKeyed);
    if (c.w[5] > 0 && size_t(c.w[5]) <= HieroglyphPictures.size())
        BltFast(BackSurface, c.sx, c.sy, HieroglyphPictures[size_t(c.w[5] - 1)], ViewPieceRects[0], kBltKeyed);
    if (c.w[6] > 0) DrawIcon(BackSurface, c.sx + 5, c.sy + 5, int16_t(90 + c.w[6]));
    DrawSmallText(int16_t(c.sx + offset), int16_t(c.sy + 10), line, kSmallBlack);
}

void DrawSwapItemEvent(const Cell& c) { c.TileOfWord(8); }

void DrawDmf2Event(const Cell& c) {
    if (c.Flag(1) == 1) c.TileOfWord(11);
}

void DrawElementalDamageEvent(const Cell& c) {
    if (c.Cond(1)) c.TileOfWord(8);
}

void DrawThinCrustEvent(const Cell& c) {
    if (!c.Cond(1)) return;
    const int16_t state = c.Flag(10);
    c.TileOfWord(state < 1 ? 5 : 6);
    if (state == 2) c.Tile(284);
}

void DrawSmokeSignalEvent(const Cell& c) { c.Tile(c.Flag(1) == 1 ? 1610 : 1609); }

void DrawSplatEvent(const Cell& c) {
    struct Pair {
        int16_t kind, first, second;
    };
    // Kinds 0..4 show their first tile when the flag is 1, kinds 6..10 and 12 when it is 0.
    static constexpr Pair kWhenOne[] = {{0, 1785, 1783}, {1, 1784, 1782}, {2, 1786, 257}, {3, 1788, 1787},
                                        {4, 1731, 1730}};
    static constexpr Pair kWhenZero[] = {{6, 1868, 1848}, {7, 1849, 1869}, {8, 1866, 1867}, {9, 1847, 1846},
                                         {10, 2099, 2079}, {12, 2182, 2181}};
    const int16_t kind = c.w[1], state = c.Flag(2);
    for (const Pair& p : kWhenOne)
        if (p.kind == kind) return c.Tile(state == 1 ? p.first : p.second);
    for (const Pair& p : kWhenZero)
        if (p.kind == kind) return c.Tile(state == 0 ? p.first : p.second);
    // Kinds 5 and 11 have a tile for each state -1..3.
    auto staged = [&](int16_t none, int16_t zero) -> int16_t {
        if (state == -1) return none;
        return state >= 0 && state <= 3 ? int16_t(zero + state) : int16_t{0};
    };
    if (kind == 5) return c.Tile(staged(577, 1826));
    if (kind == 11) return c.Tile(staged(2161, 2162));
    c.Tile(0);
}

void DrawSpawnEvent(const Cell& c) {
    if (!c.Cond(1))
        c.Tile(678);
    else
        c.Tile(c.w[4] >= 0 && c.w[4] <= 3 ? 728 + c.w[4] : 0);
}

void DrawWaterRootsEvent(const Cell& c) {
    int16_t tile = 0;
    if (c.w[1] == 0) {
        switch (c.Flag(2)) {
            case -1: tile = 1452; break;
            case 0: tile = 1487; break;
            case 1: tile = 1527; break;
            default: break;
        }
    }
    c.Tile(tile);
}

void DrawDanceEvent(const Cell& c) {
    if (c.Flag(1) == 1) c.TileOfWord(3);
}

void DrawColourTextEvent(const Cell& c) {
    for (int k = 0; k < 3; ++k) {
        if (!IsItemEquipped(int16_t(c.w[1] + k))) continue;
        int16_t colour;
        switch (c.w[4 + k]) {
            case 0: colour = kSmallRed; break;
            case 1: colour = kSmallGreen; break;
            case 2: colour = kSmallBlue; break;
            default: continue;
        }
        DrawSmallText(int16_t(c.sx + 15), int16_t(c.sy + 2), FieldText(c.e.Text[0][k]), colour);
    }
}

void DrawChopTreeEvent(const Cell& c) {
    if (c.Flag(1) == -1) c.Tile(769);
}

void DrawVisionEvent(const Cell& c) {
    if (c.Cond(1) && c.w[7] >= 0) c.TileOfWord(7);
}

void DrawRuneRiddleEvent(const Cell& c) {
    if (c.w[4] > 0) c.TileOfWord(4);
}

void DrawCoachEvent(const Cell& c) {
    if (c.w[1] > 0) c.Figure(c.w[1]);
}

struct PictureRule {
    int16_t type;
    void (*draw)(const Cell&);
};

constexpr PictureRule kPictures[] = {
    {1226, DrawPushTextEvent},     {1227, DrawStepTextEvent},       {1230, DrawRuneEvent},
    {1231, DrawHieroglyphEvent},         {1232, DrawHeraldrySignEvent},   {1233, DrawSimpleDoorEvent},
    {1234, DrawComplexDoor},       {1235, DrawSecretDoorEvent},     {1236, DrawPortalEvent},
    {2139, DrawWildPortalEvent},   {1237, DrawDigPortalEvent},      {1238, DrawModuleAccessEvent},
    {1239, DrawPentaPortalEvent},  {1290, DrawElevatorEvent},       {1240, DrawOneItemEvent},
    {1241, DrawItemsCacheEvent},   {1242, DrawChestEvent},          {1243, DrawSearchEvent},
    {1244, DrawFoodEvent},         {1248, DrawShopEvent},           {1249, DrawServiceEvent},
    {1250, DrawServiceEvent},      {1251, DrawServiceEvent},        {1252, DrawServiceEvent},
    {1253, DrawServiceEvent},      {1254, DrawServiceEvent},        {1255, DrawServiceEvent},
    {1328, DrawServiceEvent},      {1256, DrawTrapEvent},           {1257, DrawPitEvent},
    {1259, DrawPressurePadEvent},  {1260, DrawSwitchEvent},         {1261, DrawToggleEvent},
    {1262, DrawUseSpellEvent},     {1263, DrawUseItemEvent},        {1264, DrawGetAnswerEvent},
    {1266, DrawCrackEvent},        {1270, DrawBridgeEvent},         {1271, DrawMushroomEvent},
    {1272, DrawStatPlusEvent},     {1273, DrawForgeEvent},          {1276, DrawResetPushEvent},
    {1277, DrawBeamEvent},         {1278, DrawUseLensEvent},        {1279, DrawGhostTextEvent},
    {1280, DrawPuzzleEvent},      {1281, DrawAltTileEvent},        {1282, DrawBuriedCacheEvent},
    {1283, DrawFloorTextEvent},    {1336, DrawColourTextEvent},
    {1284, DrawSwapItemEvent},     {1286, DrawDmf2Event},           {1288, DrawElementalDamageEvent},
    {1289, DrawThinCrustEvent},    {1331, DrawSmokeSignalEvent},    {1332, DrawSplatEvent},
    {1333, DrawSpawnEvent},        {1334, DrawWaterRootsEvent},     {1335, DrawDanceEvent},
    {1337, DrawChopTreeEvent},     {1339, DrawVisionEvent},         {1628, DrawRuneRiddleEvent},
    {1664, DrawCoachEvent},
};

}  // namespace

int16_t BeamTile(int16_t flagA, int16_t flagB) {
    if (flagA < 1 && flagB < 1) return 1200;
    const int16_t a = flagA < 1 ? int16_t{-1} : GameFlag(flagA);
    const int16_t b = flagB < 1 ? int16_t{-1} : GameFlag(flagB);
    // Rows by a = 117, 118, 119; columns by b = -1, 117, 118, 119.
    static constexpr int16_t kBeams[3][4] = {
        {1206, 1206, 1204, 1210}, {1208, 1204, 1208, 1216}, {1202, 1210, 1216, 1202}};
    const int column = b == -1 ? 0 : (b >= 117 && b <= 119 ? b - 116 : -1);
    if (a < 117 || a > 119 || column < 0) return 1200;
    return kBeams[a - 117][column];
}

void KillMonsterUnderWall(int16_t x, int16_t y, int16_t sx, int16_t sy) {
    if (!OnMap(x, y)) return;
    const int16_t e = GameState.MonsterGrid[Square(x, y)];
    if (e < 0 || e >= kEncounterCount) return;
    const Encounter& encounter = GameState.EncounterList[e];
    if (encounter.Kind != 3 || encounter.Monster < 0 || encounter.Monster >= kMonsterCount) return;
    if (MonsterTable[size_t(encounter.Monster)].MonsterWalksThroughWalls != 0) return;
    int16_t firstX = -1, firstY = -1;
    KillMonster(x, y, e, firstX, firstY);
    BltFast(FrontSurface, sx, sy, WallTiles[1317], TileRect, kBltKeyed);
    PlaySoundEffect("MonsterDie");
    Delay(400);
    if (ScavengePending) ScavengeCorpse();
}

void DrawAltTileOver(int16_t x, int16_t y, int16_t sx, int16_t sy) {
    const EventRecord* e = EventOfType(x, y, 1281);
    if (!e) return;
    const Cell c{*e, e->Word, x, y, sx, sy};
    if (c.Cond(1)) {
        if (c.w[5] == 1) c.TileOfWord(4);
    } else if (c.w[7] == 1) {
        c.TileOfWord(6);
    }
}

void DrawComplexDoorEvent(int16_t x, int16_t y, int16_t sx, int16_t sy) {
    if (const EventRecord* e = EventOfType(x, y, kComplexDoorEvent)) DrawComplexDoor({*e, e->Word, x, y, sx, sy});
}

void DrawCellEvent(int16_t, int16_t, int16_t x, int16_t y, int16_t sx, int16_t sy) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const Cell c{*e, e->Word, x, y, sx, sy};
    for (const PictureRule& rule : kPictures)
        if (rule.type == e->Word[0]) return rule.draw(c);
}
