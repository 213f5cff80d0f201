#include "prayers.h"

#include <algorithm>

#include "combat/gemlore.h"
#include "combat/monster_lookup.h"
#include "combat/spell_area.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/skill_bonus.h"
#include "data/square_kinds.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "platform/dice.h"
#include "script/flags.h"
#include "view/map_view.h"

namespace {

constexpr int16_t kPrayerPiece = 9;


int16_t Prayer() { return GameState.Skills[kPrayer]; }
int16_t AtPrayer(const SkillColumn& column) { return SkillColumnValue(column, Prayer()); }

// What every prayer ends with.
int Pray(int16_t sidePanel, const char* sound) {
    if (sidePanel) GameState.SidePanelMode = 1;
    PowerUpEffect(1500, kPrayerPiece, sound);
    --GameState.PrayerCharges;
    return 1;
}

// A new prayer replaces value and turns.
int PrayShield(int16_t (&effect)[2], int16_t shield) {
    effect[0] = AtPrayer(SkillBonus.ShieldPrayerTables[shield][0]);
    effect[1] = AtPrayer(SkillBonus.ShieldPrayerTables[shield][1]);
    return Pray(1, "Pray");
}

// The nine cures in their order: Tired, Poison, Disease, Drain, Curse, Feeblemind, Aged, Clutz,
// Undeath.
void Cure(int cure) {
    GameStateRecord& g = GameState;
    uint32_t* const words[] = {&g.Exhausted,    &g.Poisoned, &g.Diseased, &g.Drained,     &g.Cursed,
                               &g.Feebleminded, &g.Aged,     &g.Clutz,    &g.HeroIsUndead};
    if (cure == 0) g.Energy = g.EnergyMax;
    *words[cure] = 0;
}

}  // namespace

int PrayHealing() {
    GameStateRecord& g = GameState;
    g.Energy = g.EnergyMax;
    const SpellDice dice = SpellDiceOf(AtPrayer(SkillBonus.HealingMaxHeal));
    int32_t heal = RollDice(dice.count, dice.sides, dice.bonus);
    if (g.ActiveAura == kRegenerationAura) heal += g.Skills[kAuras] * SkillBonus.AuraValues[kRegenerationAura];
    g.HitPoints = int16_t(std::min<int32_t>(g.HitPoints + heal, g.HitPointsMax));
    return Pray(0, "Cure");
}

int PrayDivineCure() {
    const bool tired = SkillBonus.DivineCureReqSkill[0] <= Prayer();
    for (int cure = 0; cure < 9; ++cure)
        if (SkillBonus.DivineCureReqSkill[cure] <= Prayer()) Cure(cure);
    // A cured drain raises Endurance: the energy fills to the hero's maximum as he is now.
    RecalcHero();
    if (tired) GameState.Energy = GameState.EnergyMax;
    return Pray(0, "Cure");
}

int PrayUnbind() {
    UnbindCursedItems();
    return Pray(0, "Cure");
}

int PrayBlessing() {
    GameState.BlessTurns = SkillBonus.BlessDuration;
    return Pray(0, "Pray");
}

int PrayMindShield() { return PrayShield(GameState.MindShield, 0); }
int PrayBodyShield() { return PrayShield(GameState.BodyShield, 1); }

int PrayWaterWalk() {
    GameState.WaterWalkTurns = SkillBonus.PrayerWaterWalkDuration;
    return Pray(1, "PowerUp");
}

int PraySmite() {
    --GameState.PrayerCharges;
    PowerUpEffect(1500, kPrayerPiece, "Pray");
    SmiteInSight();
    return 1;
}

void UnbindCursedItems() {
    for (int slot : {kHelmetSlot, kArmourSlot, kBootsSlot, kGlovesSlot, kRing1Slot, kRing2Slot, kAmuletSlot, kBeltSlot})
        UnbindSlot(int16_t(slot));
}

void UnbindSlot(int16_t slot) {
    const ItemInstance* worn = WornInstance(slot);
    if (!worn || worn->X >= 0) return;
    ClearItemInstance(GameState.EquipSlots[slot]);
    GameState.EquipSlots[slot] = kNone;
}

void SmiteInSight() {
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    for (int16_t x = 0; x < 13; ++x)
        for (int16_t y = 0; y < 13; ++y) {
            if (SightGrid[x][y] != 1) continue;
            const int16_t mx = int16_t(originX + x), my = int16_t(originY + y);
            const MonsterRecord* m = LiveMonsterOf(EncounterIndexAt(mx, my));
            if (m &&
                (m->MonsterType == kDemon || m->MonsterType == kCadaverousUndead || m->MonsterType == kEtherealUndead))
                SmiteMonsterAt(x, y);
            const EventRecord* ev = EventAt(mx, my);
            if (ev && ev->Word[0] == kToggleEvent && ev->Word[7] != 0) SmiteUndeadWall(mx, my);
        }
}

void SmiteMonsterAt(int16_t viewX, int16_t viewY) {
    const SpellDice dice = SpellDiceOf(AtPrayer(SkillBonus.SmiteMaxDamage));
    SpellArea(viewX, viewY, 0, kIncompetenceSpell, dice.count, dice.sides, dice.bonus, 0, 0, 1, -1);
}

void SmiteUndeadWall(int16_t x, int16_t y) {
    const EventRecord* ev = EventAt(x, y);
    if (ev && CheckFlagCondition(ev->Word[1], ev->Word[2], ev->Word[3])) SetGameFlag(ev->Word[1], 9999);
}
