#include "hero_sprite.h"

#include <array>

#include "adventure/adventure_loop.h"
#include "data/game_state.h"
#include "data/square_kinds.h"
#include "event_pictures.h"
#include "events/dungeon_devices.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "map_view.h"
#include "platform/message_boxes.h"
#include "platform/random.h"
#include "view_pictures.h"

namespace {

enum Pose { kStanding, kAttack, kCasting, kAiming, kShooting, kHidden, kStripped, kInvisible, kShrunk, kDanger };

struct Figure {
    int16_t left;           // the male figure facing left; facing right is the next picture
    int16_t femaleOffset;   // subtracted for a female hero
    bool shield;            // the off-hand shield is drawn over it
};
constexpr std::array<Figure, 10> kFigures = {{
    {912, 48, true},    // standing
    {952, 48, true},    // attack without a weapon; by the weapon's hand picture otherwise
    {918, 48, false},   // casting
    {920, 48, false},   // aiming
    {922, 48, false},   // shooting
    {942, 48, true},    // hidden
    {950, 48, false},   // stripped of items
    {944, 48, true},    // invisible
    {946, 0, false},    // shrunk
    {948, 48, false},   // danger square
}};
// The attack figure facing left by the weapon's hand picture 0..9.
constexpr std::array<int16_t, 10> kAttackFigures = {932, 914, 924, 928, 940, 937, 937, 926, 930, 934};
constexpr int16_t kTwoSquareWeapon = 6;

struct ShieldPicture {
    int16_t item, picture;
};
constexpr ShieldPicture kShields[] = {
    {405, 960}, {406, 962}, {407, 964}, {408, 966}, {409, 968}, {410, 970}, {414, 972},
    {415, 974}, {427, 972}, {644, 976}, {645, 978}, {646, 978}, {647, 980}, {648, 978},
    {649, 982}, {650, 980}, {651, 982}, {652, 838}, {655, 980},
};
constexpr int16_t kShieldType = 4;

bool FacesRight() { return GameState.FigureFacesRight != 0; }

int16_t HeroCellX(int16_t originX) { return int16_t(CellPixel(GameState.HeroX - originX)); }
int16_t HeroCellY(int16_t originY) { return int16_t(CellPixel(GameState.HeroY - originY)); }

void DrawPose(Pose pose, int16_t sx, int16_t sy) {
    const Figure& f = kFigures[pose];
    int32_t picture = f.left;
    bool twoSquares = false;
    if (pose == kAttack) {
        const ItemRecord* weapon = ItemRecordOf(WornItem(kWeaponSlot));
        const int16_t hand = weapon ? weapon->ItemPcIcon : int16_t{-1};
        if (hand >= 0 && hand < int16_t(kAttackFigures.size())) {
            picture = kAttackFigures[size_t(hand)];
            twoSquares = hand == kTwoSquareWeapon;
        }
    }
    if (FacesRight()) ++picture;
    if (GameState.HeroSex == 1) picture -= f.femaleOffset;
    if (pose == kDanger && OnMap(GameState.HeroX, GameState.HeroY) &&
        CurrentLevel.AccessLayer[Square(GameState.HeroX, GameState.HeroY)] == kMawAccess)
        DrawTile(2160, sx, sy);
    DrawFigure(picture, sx, sy);
    if (twoSquares) {
        if (FacesRight())
            DrawFigure(picture + 1, sx + 30, sy);
        else
            DrawFigure(picture - 1, sx - 30, sy);
    }
    if (f.shield) DrawOffHandShield(sx, sy);
}

bool OnDangerSquare(int32_t s) {
    const int16_t hx = GameState.HeroX, hy = GameState.HeroY;
    bool danger = false;
    if (const EventRecord* dance = EventOfType(hx, hy, 1335))
        danger = dance->Word[4] == 1 && GameFlag(dance->Word[1]) == 1;
    const int16_t access = CurrentLevel.AccessLayer[s];
    if ((access == kChasmAccess || access == kMawAccess) && GameState.HeroForm != kFalconForm) {
        danger = true;
        if (BridgeOpen(EventAt(hx, hy))) danger = false;
        const int16_t e = GameState.MonsterGrid[s];
        if (e >= 0 && e < 50 && GameState.EncounterList[e].Kind == 2) danger = false;
    }
    if (access == kMawAccess && GameState.Hidden && GameState.Skills[kStealth] > 9) danger = false;
    return danger;
}

void DrawChosenFigure(int16_t originX, int16_t originY, int16_t viewMode, int32_t s) {
    const int16_t sx = HeroCellX(originX), sy = HeroCellY(originY);
    bool drawn = false;
    if (OnDangerSquare(s)) {
        DrawPose(kDanger, sx, sy);
        drawn = true;
    } else if (GameState.Shrunk > 0 && CurrentLevel.ZoneLayer[s] != 5) {
        DrawPose(kShrunk, sx, sy);
        drawn = true;
    }
    if (GameState.HeroForm >= 1 && GameState.HeroForm <= 4) {
        DrawBeastForm(sx, sy, viewMode);
        drawn = true;
    }
    if (!drawn) {
        struct Choice {
            bool applies;
            Pose pose;
        };
        const Choice choices[] = {
            {GameState.Hidden != 0, kHidden},       {GameState.ItemsStripped != 0, kStripped},
            {viewMode == 2, kCasting},              {GameState.InvisibleTurns != 0, kInvisible},
            {viewMode == 3, kAiming},               {viewMode == 4, kShooting},
            {viewMode == 1, kAttack},               {viewMode == 0, kStanding},
        };
        for (const Choice& c : choices)
            if (c.applies) {
                DrawPose(c.pose, sx, sy);
                break;
            }
    }
    if (GameState.HeroIsUndead && GameState.InvisibleTurns == 0) DrawUndeadOverlay(originX, originY);
}

}  // namespace

void DrawOffHandShield(int16_t sx, int16_t sy) {
    const int16_t item = WornItem(kOffhandSlot);
    if (ItemTypeOf(item) != kShieldType) return;
    for (const ShieldPicture& s : kShields) {
        if (s.item != item) continue;
        int32_t picture = s.picture;
        if (GameState.InvisibleTurns > 0) picture += 24;
        if (GameState.Hidden) picture += 24;
        if (!FacesRight()) picture += 1;
        DrawFigure(picture, sx, sy);
        return;
    }
}

void DrawBeastForm(int16_t sx, int16_t sy, int16_t viewMode) {
    static constexpr int16_t kBase[] = {0, 144, 576, 372, 288};  // by form 1..4
    const int16_t form = GameState.HeroForm;
    if (form < 1 || form > 4) {
        ShowMessage(50, 50, "Error! Not in beast form!", "");
        DrawFigure(0, sx, sy);
        return;
    }
    const int32_t base = kBase[form];
    const int32_t picture = FacesRight() ? base + (viewMode == 1 ? 2 : 3) : base + (viewMode == 1 ? 1 : 0);
    DrawFigure(picture, sx, sy);
}

void DrawUndeadOverlay(int16_t originX, int16_t originY) {
    DrawFigure(FacesRight() ? 911 : 910, HeroCellX(originX), HeroCellY(originY) - 16);
}

void DrawMagicFoodFigure(int16_t sx, int16_t sy, int16_t viewMode) {
    DrawFigure((FacesRight() ? 955 : 954) + (viewMode != 0 ? 2 : 0), sx + 1, sy + 1);
}

void DrawHurtMark(int16_t originX, int16_t originY) { DrawTile(1734, HeroCellX(originX) + 3, HeroCellY(originY) - 19); }

void DrawIdleThought(int16_t originX, int16_t originY) {
    const int16_t hx = GameState.HeroX, hy = GameState.HeroY;
    if (!(hx > 1 && hx < 49 && hy > 1 && hy < 49)) return;
    const int32_t bx = HeroCellX(originX) + 15, by = HeroCellY(originY) - 50;
    DrawTile(1712, bx, by);
    DrawTile(1713, bx + 30, by);
    DrawTile(1732, bx, by + 30);
    DrawTile(1733, bx + 30, by + 30);
    const int32_t r = Random15() % 3;
    DrawTile((GameState.HeroSex == 1 ? 1709 : 1706) + r, bx + 8, by + 5);
}

void DrawHeroSprite(int16_t originX, int16_t originY, int16_t viewMode) {
    const int16_t hx = GameState.HeroX, hy = GameState.HeroY;
    if (!OnMap(hx, hy)) return;
    const int32_t s = Square(hx, hy);
    const int16_t sx = HeroCellX(originX), sy = HeroCellY(originY);
    if (GameState.MagicFoodTurns > 0)
        DrawMagicFoodFigure(sx, sy, viewMode);
    else
        DrawChosenFigure(originX, originY, viewMode, s);

    const LevelRecord& level = CurrentLevel;
    if (!IsTopLayerSuppressed(hx, hy)) {
        if (level.AccessLayer[s] == kShallowWaterAccess) DrawTile(390, sx, sy);
        const EventRecord* statPlus = EventOfType(hx, hy, 1272);
        if (statPlus && GameFlag(statPlus->Word[1]) == 1) DrawTile(390, sx, sy);
        if (level.AccessLayer[s] == kWalkUnderAccess) DrawTile(level.TopLayer[s], sx, sy);
    }
    DrawAltTileOver(hx, hy, sx, sy);
    if (GameState.ActiveAura > -1) DrawTile(2394, sx, sy);
    if (GameState.LostHpThisTurn != 0) DrawHurtMark(originX, originY);
    if (ShowIdleThought != 0) DrawIdleThought(originX, originY);
}
