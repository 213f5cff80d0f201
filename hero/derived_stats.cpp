#include "hero/derived_stats.h"

#include <algorithm>

#include "data/options.h"
#include "data/skill_bonus.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"

namespace {

constexpr std::array<int32_t, 51> MakeXpTable() {
    std::array<int32_t, 51> t{};
    for (int32_t l = 0; l <= 50; ++l) t[l] = 50 * l * (l + 1);
    return t;
}

// Sums are taken in 32 bits and cut back to the 16-bit field when stored.
int16_t Store(int32_t v) { return static_cast<int16_t>(v); }

int32_t AtLeast1(int32_t v) { return v < 1 ? 1 : v; }

bool Tattoo(int n) { return GameState.Tattoos[n] != 0; }
// A timed bonus counts while its turns last.
int32_t Timed(const int16_t (&effect)[2]) { return effect[1] > 0 ? effect[0] : 0; }

int32_t CombatValue(const GameStateRecord& g) {
    int32_t v = g.BaseStats[kCombat] + g.HeroLevel + Timed(g.Heroism);
    for (uint32_t affliction : {g.Poisoned, g.Diseased, g.Radiation, g.Biohazard})
        if (affliction) v -= 2;
    if (Options.Difficulty == 0) v += 4;
    if (Options.Difficulty == 4) v -= 4;
    if (g.InvisibleTurns > 0)
        v += 10;
    else if (g.Hidden)
        v += 5;
    for (int slot : {kWeaponSlot, kBowSlot})
        if (WornY(slot) > 0) v += WornY(slot);
    if (ItemTypeOf(WornItem(kOffhandSlot)) == kSmallWeapon && WornY(kOffhandSlot) > 0) v += WornY(kOffhandSlot);
    if (g.CombatBonusTurns > 0) v += 5;
    if (Tattoo(6)) v += 1;
    return AtLeast1(v);
}

int32_t Bless(const GameStateRecord& g) { return g.BlessTurns > 0 ? 1 : 0; }

int32_t EnduranceValue(const GameStateRecord& g) {
    int32_t v = g.BaseStats[kEndurance] + Bless(g) + AmuletStatBonus(31);
    if (g.Drained) v = 1;
    return AtLeast1(v) + (Tattoo(4) ? 1 : 0);
}

int32_t WillpowerValue(const GameStateRecord& g) {
    int32_t v = g.BaseStats[kWillpower] + Bless(g) + AmuletStatBonus(34) + (Tattoo(1) ? 1 : 0);
    if (g.Feebleminded) v = 1;
    return AtLeast1(v);
}

void DeriveStats(GameStateRecord& g) {
    const int32_t bless = Bless(g);
    g.Stats[kCombat] = Store(CombatValue(g));

    int32_t v = g.BaseStats[kStrength] + bless + AmuletStatBonus(30) + (Tattoo(3) ? 1 : 0);
    if (g.Aged) v = 1;
    g.Stats[kStrength] = Store(AtLeast1(v));

    g.Stats[kEndurance] = Store(EnduranceValue(g));
    // Past Endurance 61 the 16-bit maximum would turn negative; it is held at the top instead.
    g.EnergyMax = Store(std::min<int32_t>(g.Stats[kEndurance] * 500 + 2000, INT16_MAX));
    if (g.Energy > g.EnergyMax) g.Energy = g.EnergyMax;

    v = g.BaseStats[kAgility] + bless + AmuletStatBonus(32) + (Tattoo(7) ? 1 : 0);
    if (g.Clutz) v = 1;
    if (Wears(kGlovesSlot, 113)) v += 1;
    g.Stats[kAgility] = Store(AtLeast1(v));

    v = g.BaseStats[kDexterity] + bless + AmuletStatBonus(33);
    if (g.Clutz) v = 1;
    if (Wears(kBootsSlot, 112)) v += 1;
    g.Stats[kDexterity] = Store(AtLeast1(v));

    g.Stats[kWillpower] = Store(WillpowerValue(g));

    v = g.BaseStats[kPerception] + bless + AmuletStatBonus(35) + (Tattoo(0) ? 1 : 0);
    if (g.Feebleminded) v = 1;
    g.Stats[kPerception] = Store(AtLeast1(v));
}

void DeriveSaves(GameStateRecord& g) {
    g.BaseSaves[0] = BaseSaveNow(0);
    int32_t mind = g.BaseSaves[0] + LastingSaveBonus(0) + RingBonus(15, 3) + AmuletStatBonus(36) + Timed(g.MindShield);
    if (g.Feebleminded) mind = 10;
    g.Saves[0] = Store(std::clamp(mind, 0, 95));

    g.BaseSaves[1] = BaseSaveNow(1);
    int32_t body = g.BaseSaves[1] + LastingSaveBonus(1) + RingBonus(16, 3);
    const int16_t amulet = WornItem(kAmuletSlot);
    if (amulet == 585 && (g.CurrentLevelNumber == 85 || g.CurrentLevelNumber == 86)) g.GillsTurns = kWhileWorn;
    if (amulet == 591 && g.CurrentLevelNumber == 87) {
        g.HeroForm = 2;
        g.FormTurns = kWhileWorn;
    }
    body += AmuletStatBonus(36) + Timed(g.BodyShield);
    g.Saves[1] = Store(std::clamp(body, 0, 95));

    if (Wears(kHelmetSlot, 314)) {
        g.Saves[0] = Store(g.Saves[0] + 25);
        g.Saves[1] = Store(g.Saves[1] + 25);
    }
}

void DeriveSkills(GameStateRecord& g) {
    const int16_t belt = WornItem(kBeltSlot);
    const int32_t beltX = WornX(kBeltSlot);
    for (int i = 0; i < 12; ++i) {
        int32_t v = g.BaseSkills[i];
        if (v > 0) {
            if (g.Cursed) v -= 2;
            if (belt == 38 && i == kArmsmaster) v += beltX;
            if (belt >= 39 && belt <= 48 && i == belt - 37) v += beltX;
            if (belt == 49) v += beltX;
            v = std::clamp(v, 1, 20);
        }
        g.Skills[i] = Store(v);
    }
}

void DeriveImmunities(GameStateRecord& g) {
    g.PetrifyImmune = g.ParalysisImmune = g.PoisonImmune = 0;
    for (int slot : {kRing1Slot, kRing2Slot}) {
        const int16_t ring = WornItem(slot);
        if (ring == 17) g.PetrifyImmune = 1;
        if (ring == 18) g.ParalysisImmune = 1;
        if (ring == 19) g.PoisonImmune = 1;
    }
    if (Tattoo(5)) g.PetrifyImmune = 1;
}

// A lasting effect of 999 turns belongs to its item and ends when the item comes off; an
// effect of that kind from another source keeps its turns.
void HoldWhileWorn(int16_t& turns, bool worn) {
    if (worn)
        turns = kWhileWorn;
    else if (turns == kWhileWorn)
        turns = 0;
}

void ApplyWornExtras(GameStateRecord& g) {
    if (Wears(kHelmetSlot, 89)) g.Stats[kPerception] = Store(g.Stats[kPerception] + WornX(kHelmetSlot));
    if (Wears(kHelmetSlot, 147))
        for (int skill : {kStealth, kDisarmTraps, kPickLocks})
            if (g.Skills[skill] > 0) g.Skills[skill] = Store(g.Skills[skill] + WornX(kHelmetSlot));
    if (Wears(kGlovesSlot, 90)) g.Stats[kStrength] = Store(g.Stats[kStrength] + WornY(kGlovesSlot));
    HoldWhileWorn(g.WaterWalkTurns, Wears(kBootsSlot, 91));
}

void DeriveDefences(GameStateRecord& g) {
    const int16_t resilience = g.Skills[kResilience];
    int32_t sum = 0;
    for (int slot : {kHelmetSlot, kOffhandSlot, kArmourSlot, kBootsSlot, kGlovesSlot}) sum += ArmourPieceDR(slot);
    sum += g.Stats[kAgility] / 2;
    if (resilience > 0) sum += SkillColumnValue(SkillBonus.ResilienceDr, resilience);
    sum += Timed(g.MagicShield);
    g.DamageReduction = Store(sum / 2);

    int32_t hp = 5 * g.Stats[kEndurance] + 5 * g.HeroLevel;
    if (g.Drained) hp /= 2;
    hp += AmuletStatBonus(37);
    if (Wears(kRing1Slot, 93)) hp += WornX(kRing1Slot);
    if (Wears(kRing1Slot, 94)) hp -= WornX(kRing1Slot);
    if (Wears(kRing2Slot, 93)) hp += WornX(kRing2Slot);
    if (Wears(kArmourSlot, 433)) hp += 50;
    g.HitPointsMax = Store(hp);
    if (g.HitPoints > g.HitPointsMax) g.HitPoints = g.HitPointsMax;

    const int16_t(*shields[4])[2] = {&g.AcidShield, &g.ColdShield, &g.ElectShield, &g.FireShield};
    for (int k = 0; k < 4; ++k) {
        int32_t v = g.BaseResists[k];
        if (resilience > 0) v += SkillColumnValue(SkillBonus.ResilienceResist, resilience);
        v += RingBonus(static_cast<int16_t>(11 + k), 3);
        if (Wears(kOffhandSlot, static_cast<int16_t>(649 + k))) v += WornY(kOffhandSlot);
        if (k == 2 && Tattoo(8)) v += 5;
        if (k == 3 && Tattoo(2)) v += 5;
        v += Timed(*shields[k]);
        g.Resists[k] = Store(v);
    }
    if (Wears(kOffhandSlot, 655))
        for (int16_t& r : g.Resists) r = Store(r + 5);
}

}  // namespace

const std::array<int32_t, 51> XpTable = MakeXpTable();

bool LevelUpOffered() {
    const int16_t level = GameState.HeroLevel;
    return level >= 0 && level < kTopLevel && GameState.HeroXp >= XpTable[size_t(level)];
}
const std::array<int16_t, 12> CapstatTable = {4, 6, 5, 1, 4, 3, 6, 4, 5, 2, 3, 6};

int16_t BaseSaveNow(int save) {
    const GameStateRecord& g = GameState;
    return Store(Store(save == 0 ? WillpowerValue(g) : EnduranceValue(g)) * 4);
}

int16_t LastingSaveBonus(int save) {
    if (save < 0 || save > 1) return 0;
    const int16_t v = GameState.SaveBonus[save];
    return v >= -kMaxSaveBonus && v <= kMaxSaveBonus ? v : int16_t{0};
}

void SetLastingSaveBonus(int save, int32_t bonus) {
    if (save >= 0 && save <= 1) GameState.SaveBonus[save] = Store(std::clamp(bonus, -kMaxSaveBonus, kMaxSaveBonus));
}

void GainLastingSave(int save, int32_t amount) {
    if (save < 0 || save > 1) return;
    const int16_t before = LastingSaveBonus(save);
    SetLastingSaveBonus(save, before + amount);
    GameState.Saves[save] = Store(GameState.Saves[save] + LastingSaveBonus(save) - before);
}

int16_t AmuletStatBonus(int16_t item) { return Wears(kAmuletSlot, item) ? WornX(kAmuletSlot) : int16_t{0}; }

int16_t RingBonus(int16_t item, int16_t which) {
    if (which < 1 || which > 3) return 0;
    int32_t sum = 0;
    if ((which & 1) && Wears(kRing1Slot, item)) sum += WornX(kRing1Slot);
    if ((which & 2) && Wears(kRing2Slot, item)) sum += WornX(kRing2Slot);
    return Store(sum);
}

int16_t ArmourPieceDR(int16_t slot) {
    const ItemInstance* i = WornInstance(slot);
    if (!i) return 0;
    const ItemRecord* r = ItemRecordOf(i->ItemNumber);
    if (!r || !IsArmourPieceType(r->ItemType) || i->CurseKnown) return 0;
    return Store(r->ItemArmourBonus + i->X);
}

int IsUnarmed() {
    return WornInstance(kWeaponSlot) == nullptr && ItemTypeOf(WornItem(kOffhandSlot)) != kSmallWeapon ? 1 : 0;
}

void RecalcHero() {
    GameStateRecord& g = GameState;
    // Before the statistics that count it, so the amulet's +1 comes and goes with this call.
    HoldWhileWorn(g.BlessTurns, Wears(kAmuletSlot, 92));
    DeriveStats(g);
    DeriveSaves(g);
    DeriveSkills(g);
    DeriveImmunities(g);
    ApplyWornExtras(g);
    DeriveDefences(g);
    if (Wears(kArmourSlot, 440))
        g.Skills[kGemlore] = Store(g.Skills[kGemlore] + std::min<int32_t>(WornX(kArmourSlot), g.Stats[kWillpower]));
    g.ColdImmune = Wears(kArmourSlot, 441) ? 1 : 0;
}

int16_t DailyCharges(int16_t skill) { return int16_t(3 + (skill >= 8 ? 1 : 0) + (skill >= 16 ? 1 : 0)); }
