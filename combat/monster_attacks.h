// Monster attacks on the hero: blows and missiles on the hero and on his beast form, with the
// reductions, the thorns of Vengeance, nemesis damage, afflictions and the side-panel reports.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// By element 0..4 as monsters number them.
inline constexpr std::array<std::string_view, 5> DamageTypeNames{"None", "Acid", "Cold", "Elect", "Fire"};

// (x, y) is the attacker's anchor.
void MonsterMeleeAttack(int16_t x, int16_t y, int16_t encounter, int16_t monster);
void MonsterMeleeOnForm(int16_t x, int16_t y, int16_t encounter, int16_t monster);
void MonsterMissileAttack(int16_t x, int16_t y, int16_t encounter, int16_t monster);
void MonsterMissileOnForm(int16_t x, int16_t y, int16_t encounter, int16_t monster);

// damage less the weakened part, at least 1 less.
int16_t ReduceByWeakness(int16_t damage, int16_t encounter);
// The attacker loses max(1, Auras x the Vengeance value / 2) hit points but keeps at least 1.
void ApplyThornsAura(int16_t damage, int16_t encounter);
// 1 when the hero holds a Nemesis Stone against that monster type.
uint32_t IsNemesisActive(int16_t monsterType, int16_t monster);
// The affliction given (its number), or 0 when none was.
int16_t ApplyMonsterAffliction(int16_t monster);
// The Teleport power's blow: the hero is thrown to the monster's target square.
void RunCurseJolt(int16_t monster, int16_t encounter);
// Hit points below 1 become 0.
void ClampHitPoints();

void ShowMonsterHit(int16_t monster, int16_t damage, int16_t element, int16_t elementDamage, int16_t affliction,
                    int16_t nemesis, int16_t killed, int16_t encounter);
void ShowMonsterMissileHit(int16_t monster, int16_t type, int16_t damage, int16_t affliction, int16_t encounter);
void ShowMonsterMiss(int16_t monster, int16_t encounter);

// The different luck charms (items 153..155) the hero carries, 0..3.
int16_t CountLuckCharms();
