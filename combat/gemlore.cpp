#include "gemlore.h"

#include "combat/spell_area.h"
#include "combat/spell_cursor.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/skill_bonus.h"
#include "data/square_kinds.h"
#include "hero/derived_stats.h"
#include "hero/item_use.h"
#include "hero/item_use_screens.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "view/map_view.h"
#include "view/play_screen.h"

namespace {

enum Gem : int16_t { kEmerald, kSapphire, kDiamond, kRuby, kSkystone, kAmythest, kKingstone, kJadestone, kSeastone };

int16_t Gemlore() { return GameState.Skills[kGemlore]; }
int16_t AtGemlore(const SkillColumn& column) { return SkillColumnValue(column, Gemlore()); }

// Aims the blast, spends the gem, and strikes every monster of the area; the hero is never hurt.
int CastBlast(int16_t areaMode, int16_t kind, const char* title) {
    PlaySoundEffect("Click");
    int16_t x = 6, y = 6;
    if (!TargetSpell(areaMode, x, y, title)) return 0;
    UseGem(kind);  // the blasts' gems and elements share their numbers
    SpellDice dice = SpellDiceOf(AtGemlore(SkillBonus.GemSpellMaxDamage[kind]));
    AddEvocationBonus(dice.bonus);
    if (OnEnhanceGemloreSquare()) dice.bonus = int16_t(dice.bonus * 2);
    SpellArea(x, y, areaMode, kind, dice.count, dice.sides, dice.bonus, 0, 0, 0, -1);
    return 1;
}

// A new cast replaces value and turns; it never adds to what is left.
int CastOnSelf(int16_t (&effect)[2], int16_t value, int16_t turns, int16_t piece, int16_t gem) {
    GameState.SidePanelMode = 1;
    effect[0] = value;
    effect[1] = turns;
    PowerUpEffect(1500, piece, "PowerUp");
    UseGem(gem);
    return 1;
}

// The elemental shields double their amount on the enhancing square.
int CastShield(int16_t element, int16_t (&effect)[2], int16_t piece) {
    const auto& table = SkillBonus.GemResistTables[element];
    int16_t amount = AtGemlore(table[0]);
    if (OnEnhanceGemloreSquare()) amount = int16_t(amount * 2);
    return CastOnSelf(effect, amount, AtGemlore(table[1]), piece, element);
}

// True Sight, Heroism and Magic Shield; the last two gain plus on the enhancing square.
int CastBuff(int16_t buff, int16_t (&effect)[2], int16_t piece, int16_t gem, int16_t plus) {
    const auto& table = SkillBonus.GemBuffTables[buff];
    int16_t value = AtGemlore(table[0]);
    if (OnEnhanceGemloreSquare()) value = int16_t(value + plus);
    return CastOnSelf(effect, value, AtGemlore(table[1]), piece, gem);
}

}  // namespace

SpellDice SpellDiceOf(int16_t n) {
    if (n < 1) return {0, 0, 0};
    const int16_t half = int16_t(n / 2);
    return {1, int16_t(n % 2 == 0 ? half + 1 : half + 2), int16_t(half - 1)};
}

int OnEnhanceGemloreSquare() {
    const int32_t x = GameState.HeroX, y = GameState.HeroY;
    return OnMap(x, y) && CurrentLevel.AccessLayer[x * 50 + y] == kGemloreAccess;
}

int CastAcidCloud() { return CastBlast(1, kAcidSpell, "Acid Cloud:"); }
int CastIceStorm() { return CastBlast(2, kColdSpell, "Ice Storm:"); }
int CastLightningBolt() { return CastBlast(0, kElectSpell, "Lightning Bolt:"); }
int CastInferno() { return CastBlast(1, kFireSpell, "Fireball:"); }

int CastAcidResist() { return CastShield(kEmerald, GameState.AcidShield, 136); }
int CastColdResist() { return CastShield(kSapphire, GameState.ColdShield, 137); }
int CastElectResist() { return CastShield(kDiamond, GameState.ElectShield, 138); }
int CastFireResist() { return CastShield(kRuby, GameState.FireShield, 139); }

int CastTrueSight() { return CastBuff(0, GameState.TrueSight, 133, kAmythest, 0); }
int CastHeroism() { return CastBuff(1, GameState.Heroism, 128, kKingstone, 2); }
int CastMagicShield() { return CastBuff(2, GameState.MagicShield, 129, kJadestone, 2); }

int CastGemWaterWalk() {
    GameState.SidePanelMode = 1;
    GameState.WaterWalkTurns = SkillBonus.WaterWalkDuration;
    PowerUpEffect(1500, 135, "PowerUp");
    UseGem(kSeastone);
    return 1;
}

int CastDimensionDoor() {
    if (HeroZoneCondition(kNoTeleportZone)) {
        PlaySoundEffect("Curse");
        ShowMessage(100, 120, "   Teleportation magic", "   does not work here!");
        return 0;
    }
    PlaySoundEffect("Click");
    if (!PickTargetSquare(1)) return 0;
    UseGem(kSkystone);
    return 1;
}

void PowerUpEffect(uint32_t delayMs, int16_t piece, const char* soundName) {
    DrawPlayScreen(1, 1, 0, -1, -1, 1);
    Delay(300);
    PlaySoundEffect(soundName);
    DrawPlayScreen(1, 1, 2, -1, -1, 0);
    if (piece != -1 && GameState.HeroY > 0) {
        int16_t originX, originY;
        ComputeViewOrigin(originX, originY);
        const int32_t hx = (GameState.HeroX - originX) * 32 + 15, hy = (GameState.HeroY - originY) * 32 + 15;
        DrawIcon(BackSurface, hx + 5, hy - 20, piece);
    }
    Flip();
    Delay(delayMs);
}
