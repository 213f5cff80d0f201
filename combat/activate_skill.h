// The Activate Skill menu: the hero's Curse, Gemlore and Prayer powers in numbered rows, with
// every requirement check and refusal of the powers.
#pragma once

#include <cstdint>

// The skills that give powers, in the order of the menu's kinds.
constexpr int16_t kPowerSkills[3] = {2, 6, 8};  // Curse, Gemlore, Prayer

// The A button's action, after the adventure loop's antimagic test.
void ActivateSkill();
// count: the offered kinds, 1..3.
void ActivateSkillMenu(int16_t count);
// kinds: the offered skills in menu order, -1 after the last.
void DrawActivateSkillMenu(int16_t count, int16_t selected, const int16_t (&kinds)[3], int16_t page, uint32_t flip);
// Curse 5, Prayer 8, Gemlore 4 on pages 1 and 2 and 5 on page 3; -1 otherwise.
int16_t PowerRowCount(int16_t selected, const int16_t (&kinds)[3], int16_t page);
// The checks of the row (0-based) in their order, then the power; 1 when it acted.
int RunChosenPower(int16_t selected, const int16_t (&kinds)[3], int16_t page, int16_t row, int hasHolySymbol);
// The charge header of the Prayer and Curse pages.
void DrawCharges(int16_t charges, int16_t skill);

// The number of a power (0..25) in the menu's order: Gemlore pages 1..3, Prayer, Curse; -1 for
// a row that has none.
int16_t PowerNumber(int16_t skill, int16_t page, int16_t row);

// The refusals: sound "No", the menu redrawn without a flip (except ShowMinSkillToUse, whose
// caller has just done it), and a box.
void ShowGemRequired(int16_t gem);
void ShowMinSkillToUse(int16_t n);
void ShowMinSkillRequirement(int16_t n);
void ShowNeedHolySymbol();
void ShowNoChargesLeft();
void ShowNeedRitualKnife();
void ShowNotEnoughHp();
