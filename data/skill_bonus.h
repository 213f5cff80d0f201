// The skill tables (SkillBonus.dat): columns of 21 values indexed by a skill value 0..20.
#pragma once

#include <cstddef>
#include <cstdint>

using SkillColumn = int16_t[21];

struct SkillBonusRecord {
    int16_t NewPcSkillPoints;
    int16_t LevelUpSkillPoints;
    int16_t NewPcStatPoints;
    int16_t LevelUpStatPoints;
    SkillColumn ArmsmasterDamage;
    SkillColumn ArmsmasterHitBonus;
    SkillColumn CriticalChance;
    SkillColumn CriticalDamage;
    SkillColumn GemSpellMaxDamage[4];   // acid cloud, ice storm, lightning bolt, inferno
    SkillColumn GemResistTables[4][2];  // acid, cold, elect, fire shield: amount, duration
    int16_t DimensionDoorMinSkill;
    int16_t Reserved682;
    SkillColumn GemBuffTables[3][2];  // true sight, heroism, magic shield: value, duration
    int16_t WaterWalkMinSkill;
    int16_t WaterWalkDuration;
    int16_t GillsMinSkill;
    int16_t GillsDuration;
    SkillColumn HealingMaxHeal;
    int16_t DivineCureReqSkill[9];  // tired, poison, disease, drain, curse, feeblemind, aged, clutz, undead
    int16_t UnbindMinSkill;
    int16_t BlessMinSkill;
    int16_t BlessDuration;
    SkillColumn ShieldPrayerTables[2][2];  // mind, body shield: percent, duration
    int16_t PrayerWaterWalkMinSkill;
    int16_t PrayerWaterWalkDuration;
    SkillColumn SmiteMaxDamage;
    SkillColumn ResilienceResist;
    SkillColumn ResilienceDr;
    SkillColumn TargeteerDamage;
    SkillColumn TargeteerHitBonus;
    SkillColumn CurseTables[3];  // incompetence, vulnerability, weakness
    SkillColumn LifeDrainPercent;
    SkillColumn LifeDrainDuration;
    SkillColumn OffhandHitPenalty;
    SkillColumn EarthMawMaxDamage;
    SkillColumn OffhandDamagePenalty;
    char QuestSkillNames[13][16];
    int16_t AuraValues[6];  // evocation, looting, overcharge, regeneration, vengeance, wisdom
};
static_assert(sizeof(SkillBonusRecord) == 1948);
static_assert(offsetof(SkillBonusRecord, ArmsmasterDamage) == 8);
static_assert(offsetof(SkillBonusRecord, ArmsmasterHitBonus) == 50);
static_assert(offsetof(SkillBonusRecord, CriticalChance) == 92);
static_assert(offsetof(SkillBonusRecord, CriticalDamage) == 134);
static_assert(offsetof(SkillBonusRecord, GemSpellMaxDamage) == 176);
static_assert(offsetof(SkillBonusRecord, GemResistTables) == 344);
static_assert(offsetof(SkillBonusRecord, DimensionDoorMinSkill) == 680);
static_assert(offsetof(SkillBonusRecord, Reserved682) == 682);
static_assert(offsetof(SkillBonusRecord, GemBuffTables) == 684);
static_assert(offsetof(SkillBonusRecord, WaterWalkMinSkill) == 936);
static_assert(offsetof(SkillBonusRecord, WaterWalkDuration) == 938);
static_assert(offsetof(SkillBonusRecord, GillsMinSkill) == 940);
static_assert(offsetof(SkillBonusRecord, GillsDuration) == 942);
static_assert(offsetof(SkillBonusRecord, HealingMaxHeal) == 944);
static_assert(offsetof(SkillBonusRecord, DivineCureReqSkill) == 986);
static_assert(offsetof(SkillBonusRecord, UnbindMinSkill) == 1004);
static_assert(offsetof(SkillBonusRecord, BlessMinSkill) == 1006);
static_assert(offsetof(SkillBonusRecord, BlessDuration) == 1008);
static_assert(offsetof(SkillBonusRecord, ShieldPrayerTables) == 1010);
static_assert(offsetof(SkillBonusRecord, PrayerWaterWalkMinSkill) == 1178);
static_assert(offsetof(SkillBonusRecord, PrayerWaterWalkDuration) == 1180);
static_assert(offsetof(SkillBonusRecord, SmiteMaxDamage) == 1182);
static_assert(offsetof(SkillBonusRecord, ResilienceResist) == 1224);
static_assert(offsetof(SkillBonusRecord, ResilienceDr) == 1266);
static_assert(offsetof(SkillBonusRecord, TargeteerDamage) == 1308);
static_assert(offsetof(SkillBonusRecord, TargeteerHitBonus) == 1350);
static_assert(offsetof(SkillBonusRecord, CurseTables) == 1392);
static_assert(offsetof(SkillBonusRecord, LifeDrainPercent) == 1518);
static_assert(offsetof(SkillBonusRecord, LifeDrainDuration) == 1560);
static_assert(offsetof(SkillBonusRecord, OffhandHitPenalty) == 1602);
static_assert(offsetof(SkillBonusRecord, EarthMawMaxDamage) == 1644);
static_assert(offsetof(SkillBonusRecord, OffhandDamagePenalty) == 1686);
static_assert(offsetof(SkillBonusRecord, QuestSkillNames) == 1728);
static_assert(offsetof(SkillBonusRecord, AuraValues) == 1936);

extern SkillBonusRecord SkillBonus;

// The auras: GameState.ActiveAura and the index into AuraValues.
enum AuraCode : int16_t {
    kEvocationAura, kLootingAura, kOverchargeAura, kRegenerationAura, kVengeanceAura, kWisdomAura
};

// The statistic points of a level advance or a Potion of Stats. A negative count from a damaged
// file gives none, so that the screen's "Done" is offered at once.
inline int16_t LevelUpStatPointCount() {
    return SkillBonus.LevelUpStatPoints < 0 ? int16_t{0} : SkillBonus.LevelUpStatPoints;
}

// Column entry for a skill value; values outside 0..20 are held to the nearest end.
inline int16_t SkillColumnValue(const SkillColumn& column, int32_t skill) {
    return column[skill < 0 ? 0 : skill > 20 ? 20 : skill];
}
