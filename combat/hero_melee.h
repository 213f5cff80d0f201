// The hero's blows: with the primary weapon, the off-hand weapon, bare hands and in beast form,
// with the critical hit, life drain, the ghost rules and the report of a blow.
#pragma once

#include <cstdint>

// Each strikes the monster whose footprint holds map square (x, y); 1 when it was killed.
int32_t MeleeAttackWeapon(int16_t x, int16_t y);
int32_t MeleeAttackDual(int16_t x, int16_t y);
void MeleeAttackBareHanded(int16_t x, int16_t y);
int32_t MeleeAttackInForm(int16_t x, int16_t y);

// By the Critical Hit skill: 1 when a critical was rolled and its damage added. roll is unused.
uint32_t CriticalHitCheck(int16_t roll, int16_t& damage);
// Heals the Curse skill's percentage of damage, never above the maximum.
void ApplyLifeDrain(int16_t damage);
// 1 when the square's GHOST TEXT EVENT is active: its item carried (word 1 = 0) or worn (1).
uint32_t IsGhostTextActive(int16_t x, int16_t y);
// Takes off the Dual Weapons skill's percentage, leaving at least 0.
void ApplyOffhandPenalty(int16_t& damage);
// The side-panel report of a blow or shot that hit (element -1 for none).
void ReportMeleeHit(int16_t monster, int16_t damage, int16_t element, int16_t elementDamage, int16_t killed,
                    int16_t slay, int16_t critical, int16_t x, int16_t y, int16_t viewMode, int16_t firstX,
                    int16_t firstY, int16_t backstab);
// "You missed!" over the play screen in that view mode, with the pause.
void ReportMiss(int16_t viewMode);
