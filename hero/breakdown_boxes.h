// Boxes that list what makes up a statistic, skill, save, resistance, damage reduction or
// the hit point maximum: the base value and each bonus or penalty in force. They stay while
// the left mouse button is held; the caller redraws afterwards. They only read the hero.
#pragma once

#include <cstdint>

void ShowStatBreakdown(int16_t stat, int16_t x, int16_t y);
void ShowSkillBreakdown(int16_t skill, int16_t x, int16_t y);
// 0 Mind, 1 Body.
void ShowSaveBreakdown(int16_t save, int16_t x, int16_t y);
// 0 Acid, 1 Cold, 2 Elect, 3 Fire.
void ShowResistBreakdown(int16_t resist, int16_t x, int16_t y);
// 0 damage reduction, 1 hit points.
void ShowDrBreakdown(int16_t topic, int16_t x, int16_t y);

// Panel height in pieces for a number of modifier lines; 0 past 14.
int16_t BreakdownPanelHeight(int16_t lines);
// X of the worn belt when the belt raises that skill, else 0.
int16_t BeltSkillBonus(int16_t skill);

// The Skills page's rows for a mouse button (1 breakdown, 2 help); 1 when a row was hit.
int CheckSkillRowClicks(int16_t button);
// The row-th listed skill (those above 0); a row past the list does nothing.
void ShowSkillRowBox(int16_t row, int16_t button);
