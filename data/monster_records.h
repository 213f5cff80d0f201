// The monster table (Monster.dat): one record per monster number 0..299.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kMonsterCount = 300;

// The monster types of the MonsterType field that the rules name.
enum MonsterTypeCode : int16_t {
    kConstruct = 4, kDemon = 5, kPlant = 13, kRobot = 14, kCadaverousUndead = 16, kEtherealUndead = 17, kVampire = 18
};

struct MonsterRecord {
    char MonsterName[16];
    int16_t MonsterPicture;  // also the footprint size class
    int16_t MonsterType;     // 0..18; 0 = an undefined record
    int16_t UniversalXpMultiplier;  // read from record 0 only
    int16_t MonsterSpeed;
    int16_t MonsterDr;
    int16_t MonsterHitPoints;
    int16_t Reserved28;
    int16_t MonsterMeleeSkill;
    int16_t MonsterMissileSkill;
    int16_t MonsterResists[4];  // acid, cold, elect, fire
    int16_t MonsterAwareness;
    int16_t MonsterDamage[3];
    int16_t MonsterElement;
    int16_t MonsterElementDamage[3];
    int16_t MonsterAffliction;
    int16_t MonsterPower;
    int16_t MonsterDeathItem[3];  // item (-1 none), power, charges
    int16_t MonsterSummonId;
    int16_t Reserved70;
    uint32_t MonsterOpensDoors;
    uint32_t MonsterWaterWalk;
    uint32_t MonsterDetectsInvisible;
    uint32_t MonsterWalksThroughWalls;
    uint32_t MonsterSpellImmune;
    uint32_t MonsterWandImmune;
    uint32_t MonsterFearInducing;
    uint32_t MonsterUnique;
    uint32_t MonsterGhostTouch;
    int16_t MonsterMissileType;
    int16_t MonsterMissileDamage[3];
    int16_t MonsterMissileAffliction;
    int16_t MonsterXpAward;
    uint32_t MonsterOnDeath;
    uint32_t MonsterFlies;
    uint32_t MonsterNeedsGhostText;
    int16_t MonsterPowerTarget[2];
};
static_assert(sizeof(MonsterRecord) == 136);
static_assert(offsetof(MonsterRecord, MonsterPicture) == 16);
static_assert(offsetof(MonsterRecord, MonsterType) == 18);
static_assert(offsetof(MonsterRecord, UniversalXpMultiplier) == 20);
static_assert(offsetof(MonsterRecord, MonsterSpeed) == 22);
static_assert(offsetof(MonsterRecord, MonsterDr) == 24);
static_assert(offsetof(MonsterRecord, MonsterHitPoints) == 26);
static_assert(offsetof(MonsterRecord, Reserved28) == 28);
static_assert(offsetof(MonsterRecord, MonsterMeleeSkill) == 30);
static_assert(offsetof(MonsterRecord, MonsterMissileSkill) == 32);
static_assert(offsetof(MonsterRecord, MonsterResists) == 34);
static_assert(offsetof(MonsterRecord, MonsterAwareness) == 42);
static_assert(offsetof(MonsterRecord, MonsterDamage) == 44);
static_assert(offsetof(MonsterRecord, MonsterElement) == 50);
static_assert(offsetof(MonsterRecord, MonsterElementDamage) == 52);
static_assert(offsetof(MonsterRecord, MonsterAffliction) == 58);
static_assert(offsetof(MonsterRecord, MonsterPower) == 60);
static_assert(offsetof(MonsterRecord, MonsterDeathItem) == 62);
static_assert(offsetof(MonsterRecord, MonsterSummonId) == 68);
static_assert(offsetof(MonsterRecord, Reserved70) == 70);
static_assert(offsetof(MonsterRecord, MonsterOpensDoors) == 72);
static_assert(offsetof(MonsterRecord, MonsterWaterWalk) == 76);
static_assert(offsetof(MonsterRecord, MonsterDetectsInvisible) == 80);
static_assert(offsetof(MonsterRecord, MonsterWalksThroughWalls) == 84);
static_assert(offsetof(MonsterRecord, MonsterSpellImmune) == 88);
static_assert(offsetof(MonsterRecord, MonsterWandImmune) == 92);
static_assert(offsetof(MonsterRecord, MonsterFearInducing) == 96);
static_assert(offsetof(MonsterRecord, MonsterUnique) == 100);
static_assert(offsetof(MonsterRecord, MonsterGhostTouch) == 104);
static_assert(offsetof(MonsterRecord, MonsterMissileType) == 108);
static_assert(offsetof(MonsterRecord, MonsterMissileDamage) == 110);
static_assert(offsetof(MonsterRecord, MonsterMissileAffliction) == 116);
static_assert(offsetof(MonsterRecord, MonsterXpAward) == 118);
static_assert(offsetof(MonsterRecord, MonsterOnDeath) == 120);
static_assert(offsetof(MonsterRecord, MonsterFlies) == 124);
static_assert(offsetof(MonsterRecord, MonsterNeedsGhostText) == 128);
static_assert(offsetof(MonsterRecord, MonsterPowerTarget) == 132);

extern std::array<MonsterRecord, kMonsterCount> MonsterTable;
